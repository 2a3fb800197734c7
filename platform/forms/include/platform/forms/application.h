#pragma once
// The application object: owner of the forms and other top-level components,
// and the queue of work that ProcessMessages runs.
#include <deque>
#include <functional>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/classes/component.h"
#include "platform/rtti/events.h"

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
  // Runs the queued work, including work queued while it runs, and the
  // person's pending input (the back end's ProcessEvents).
  void ProcessMessages();
  // Runs the queued work only.
  void RunQueuedWork();

  // Reports an error that reached the event loop, as the framework does: an
  // error message box (or OnException, when assigned).
  void HandleException(const Exception& error);
  TEvent<TObject*, const Exception&> OnException;

  // Hint timings in milliseconds: the pause before a hint shows, and how long
  // it stays.
  int HintPause() const { return hintPause_; }
  void SetHintPause(int value) { hintPause_ = value; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int value) { hintHidePause_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  bool Terminated() const { return terminated_; }
  void Terminate() { terminated_ = true; }

 private:
  std::deque<std::function<void()>> queue_;
  std::string title_;
  bool terminated_ = false;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  bool showHint_ = true;
};

// The one application object of the process, created on first use.
TApplication& Application();

}  // namespace platform
