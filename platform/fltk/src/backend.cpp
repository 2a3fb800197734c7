#include "backend.h"

#include <cmath>

#include "form_window.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/graphics.h"
#include "peers.h"
#include "platform/fltk/windowing.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace platform {

TFltkBackEnd::TFltkBackEnd() { Fl::visible_focus(1); }

TFltkBackEnd::~TFltkBackEnd() { Fl::do_widget_deletion(); }

std::unique_ptr<TPeer> TFltkBackEnd::CreatePeer(TControl& control) { return MakePeer(control); }

void TFltkBackEnd::UpdatePeer(TControl& control, TPeer& peer, TPeerChange change) {
  if (auto* widgetPeer = dynamic_cast<TWidgetPeer*>(&peer)) UpdateWidget(control, *widgetPeer->Widget(), change);
}

void TFltkBackEnd::DestroyPeer(TControl&, std::unique_ptr<TPeer> peer) { peer.reset(); }

void TFltkBackEnd::RunModal(TForm& form) {
  while (form.ModalResult() == mrNone) {
    SyncWindows();
    // Wakes now and then so that work queued from elsewhere runs.
    Fl::wait(0.1);
    Application().RunQueuedWork();
    auto* window = dynamic_cast<Fl_Window*>(WidgetOfPeer(form));
    // A window closed behind the form's back ends it as the close box does.
    if (window == nullptr || !window->shown()) Act([&form] { form.Close(); });
    if (form.ModalResult() == mrNone && (window == nullptr || !window->shown())) form.SetModalResult(mrCancel);
  }
  SyncWindows();
}

void TFltkBackEnd::ProcessEvents() {
  SyncWindows();
  Fl::flush();
  // Handles what is pending; the short wait keeps a caller that polls the
  // clock (ProcessMessages in a loop) from taking a whole core.
  Fl::wait(0.002);
  SyncWindows();
}

int TFltkBackEnd::ShowMessageBox(const TMessageBoxRequest& box) { return RunMessageBox(box); }
bool TFltkBackEnd::InputQuery(TInputQueryRequest& query) { return RunInputQuery(query); }
bool TFltkBackEnd::ExecuteFileDialog(TFileDialogRequest& request) { return RunFileDialog(request); }
bool TFltkBackEnd::ExecuteFontDialog(TFontDialogRequest& request) { return RunFontDialog(request); }

TTextExtent TFltkBackEnd::MeasureText(const TFont& font, std::string_view text) {
  const TFlFont f = FlFontOf(font);
  fl_font(CoveringFace(f.Face, text), f.Size);
  int lines = 1;
  double widest = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    widest = std::max(widest, fl_width(text.data() + start, static_cast<int>(i - start)));
    if (i < text.size()) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++lines;
    }
    start = i + 1;
  }
  return {static_cast<int>(std::ceil(widest)), lines * fl_height()};
}

void SyncWindows() {
  // A copy: syncing may run handlers that open or close forms.
  const std::set<TFormWindow*> windows = TFormWindow::All();
  for (TFormWindow* window : windows)
    if (TFormWindow::All().count(window) != 0) window->Sync();
}

void RunWindowsUntilReadable(int fd) {
  bool readable = false;
  Fl::add_fd(fd, FL_READ, [](int, void* flag) { *static_cast<bool*>(flag) = true; }, &readable);
  while (!readable) {
    SyncWindows();
    // Fl::wait() without a time returns at once while no window is shown,
    // before it looked at the descriptor.
    Fl::wait(0.1);
    Application().RunQueuedWork();
  }
  Fl::remove_fd(fd, FL_READ);
}

void RunWindow(Fl_Window& window) {
  window.set_modal();
  window.show();
  while (window.shown()) Fl::wait();
}

void Act(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    Application().HandleException(error);
  }
}

}  // namespace platform
