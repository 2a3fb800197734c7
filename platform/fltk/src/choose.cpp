

#include <cstdlib>
#include <cstring>
#include <memory>

#include "backend.h"
#include "peers.h"
#include "platform/fltk/windowing.h"
#include "platform/forms/screen.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <X11/Xlib.h>
#include <FL/Fl.H>
#include <FL/x.H>

namespace platform {

namespace {
bool HeadlessAsked() {
  const char* value = std::getenv("LXV_HEADLESS");
  return value != nullptr && std::strcmp(value, "0") != 0;
}

// Opens the display for the toolkit; false when there is none. (The
// toolkit's own opening ends the process when it fails.)
bool OpenDisplay() {
  if (fl_display != nullptr) return true;
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  fl_open_display(display);
  return true;
}
}  // namespace

bool UseWindowsWhenDisplayed(bool headless) {
  if (WindowsInUse()) return true;
  if (headless || HeadlessAsked() || !OpenDisplay()) return false;
  Screen().SetMetrics(Fl::w(), Fl::h(), 96);
  SetBackEnd(std::make_shared<TFltkBackEnd>());
  return true;
}

bool WindowsInUse() { return dynamic_cast<TFltkBackEnd*>(&BackEnd()) != nullptr; }

Fl_Widget* WidgetOf(const TControl& control) { return WidgetOfPeer(control); }

}  // namespace platform
