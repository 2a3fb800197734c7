#pragma once
// The application object: owner of the forms and other top-level components,
// and the queue of work that ProcessMessages runs.
#include <deque>
#include <functional>
#include <string>

#include "platform/classes/component.h"

namespace platform {

class TApplication : public TComponent {
  LXV_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Full path of the running executable.
  std::string ExeName() const;
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Queues work for the user-interface thread's next ProcessMessages.
  void QueueWork(std::function<void()> work);
  // Runs the work queued so far, including work queued while it runs.
  void ProcessMessages();
  bool Terminated() const { return terminated_; }
  void Terminate() { terminated_ = true; }

 private:
  std::deque<std::function<void()>> queue_;
  std::string title_;
  bool terminated_ = false;
};

// The one application object of the process, created on first use.
TApplication& Application();

}  // namespace platform
