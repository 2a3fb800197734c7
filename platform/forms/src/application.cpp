#include "platform/forms/application.h"

#include <unistd.h>

#include <climits>

#include "platform/forms/backend.h"
#include "platform/rtti/published.h"
#include "platform/classes/reader.h"

namespace platform {

LXV_EMPTY_CLASS_INFO(TApplication)

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

// Frees the forms while the application is still whole.
TApplication::~TApplication() { BeforeDestruction(); }

std::string TApplication::ExeName() const {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

void TApplication::QueueWork(std::function<void()> work) { queue_.push_back(std::move(work)); }

void TApplication::ProcessMessages() {
  RunQueuedWork();
  BackEnd().ProcessEvents();
  RunQueuedWork();
}

void TApplication::HandleException(const Exception& error) {
  if (OnException) return OnException(this, error);
  std::string message = error.what();
  if (!message.empty() && message.back() != '.') message += '.';
  BackEnd().ShowMessageBox(TMessageBoxRequest{Title(), message, mtError, {mbOK}, 0});
}

void TApplication::RunQueuedWork() {
  while (!queue_.empty()) {
    std::function<void()> work = std::move(queue_.front());
    queue_.pop_front();
    work();
  }
}

TApplication& Application() {
  static const TOwned<TApplication> application = [] {
    TOwned<TApplication> created(new TApplication(nullptr));
    // References into other forms ("Form2.Button1") name the application's forms.
    SetGlobalRootLookup([app = created.get()](const std::string& name) { return app->FindComponent(name); });
    return created;
  }();
  return *application;
}

}  // namespace platform
