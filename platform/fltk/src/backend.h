#pragma once
// The windowing back end: peers are FLTK widgets, modal loops and
// ProcessMessages run the toolkit's event loop, dialogs are toolkit windows.
#include "platform/forms/backend.h"

class Fl_Window;

namespace platform {

class TFltkBackEnd : public TBackEnd {
 public:
  TFltkBackEnd();
  ~TFltkBackEnd() override;

  std::unique_ptr<TPeer> CreatePeer(TControl& control) override;
  void UpdatePeer(TControl& control, TPeer& peer, TPeerChange change) override;
  void DestroyPeer(TControl& control, std::unique_ptr<TPeer> peer) override;
  void RunModal(TForm& form) override;
  void ProcessEvents() override;
  int ShowMessageBox(const TMessageBoxRequest& box) override;
  bool InputQuery(TInputQueryRequest& query) override;
  bool ExecuteFileDialog(TFileDialogRequest& request) override;
  bool ExecuteFontDialog(TFontDialogRequest& request) override;
  TTextExtent MeasureText(const TFont& font, std::string_view text) override;
};

// Brings every form window's menu bar and focus in step with its form.
void SyncWindows();

// The standard dialogs (dialogs.cpp, font_dialog.cpp).
int RunMessageBox(const TMessageBoxRequest& box);
bool RunInputQuery(TInputQueryRequest& query);
bool RunFileDialog(TFileDialogRequest& request);
bool RunFontDialog(TFontDialogRequest& request);
// Runs the toolkit's loop until the window is hidden.
void RunWindow(::Fl_Window& window);

}  // namespace platform
