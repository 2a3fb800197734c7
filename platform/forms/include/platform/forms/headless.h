#pragma once
// The back end without a display. Its peers hold nothing; its modal loops and
// dialogs are served by a scriptable user (user.h); it measures text with a
// fixed metric so that headless layouts are the same everywhere:
//   h = |Font.Height| (13 when the height is 0);
//   every character (UTF-8 code point) is h / 2 pixels wide, one more in bold;
//   a line is h * 5 / 4 pixels high (16 for the usual -13, 13 for -11);
//   text is as wide as its widest line and as high as its lines together,
//   lines ending at CR LF, CR or LF.
#include <cstdint>
#include <memory>

#include "platform/forms/backend.h"
#include "platform/forms/simulated_clock.h"
#include "platform/forms/user.h"

namespace platform {

class THeadlessBackEnd : public TBackEnd {
 public:
  TScriptedUser& User() { return user_; }
  int PeerCount() const { return peers_; }

  std::unique_ptr<TPeer> CreatePeer(TControl& control) override;
  void UpdatePeer(TControl& control, TPeer& peer, TPeerChange change) override;
  void DestroyPeer(TControl& control, std::unique_ptr<TPeer> peer) override;
  void RunModal(TForm& form) override { user_.RunModal(form); }
  void ProcessEvents() override { user_.ProcessEvents(); }
  int ShowMessageBox(const TMessageBoxRequest& box) override { return user_.MessageBox(box); }
  bool InputQuery(TInputQueryRequest& query) override { return user_.InputQuery(query); }
  bool ExecuteFileDialog(TFileDialogRequest& request) override { return user_.FileDialog(request); }
  bool ExecuteFontDialog(TFontDialogRequest& request) override { return user_.FontDialog(request); }
  TTextExtent MeasureText(const TFont& font, std::string_view text) override;

 private:
  TScriptedUser user_;
  int peers_ = 0;
};

// The scripted user of the installed back end; raises EInvalidOperation when
// the installed back end is not the headless one.
TScriptedUser& ScriptedUser();

// For a test or a headless run: a new headless back end with its own
// scripted user, and a simulated clock, installed for the scope.
class THeadlessSession {
 public:
  explicit THeadlessSession(std::uint32_t clockStart = 0);
  ~THeadlessSession();
  THeadlessSession(const THeadlessSession&) = delete;
  THeadlessSession& operator=(const THeadlessSession&) = delete;

  TScriptedUser& User() { return backEnd_->User(); }
  TSimulatedClock& Clock() { return clock_; }
  THeadlessBackEnd& BackEnd() { return *backEnd_; }

 private:
  TSimulatedClock clock_;
  std::shared_ptr<THeadlessBackEnd> backEnd_;
  std::shared_ptr<TBackEnd> previous_;
};

}  // namespace platform
