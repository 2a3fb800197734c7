// What a designed form's window shows besides its controls: the components
// without a place of their own as icons, and the selection's handles.
#include <cctype>
#include <string>

#include "form_window.h"
#include "platform/forms/designing.h"
#include "platform/forms/form.h"
#include "platform/forms/menus.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace platform {

namespace {

constexpr int kHandle = 6;

// The capitals of the class name after its T: "MM" for TMainMenu.
std::string IconText(const TComponent& component) {
  const std::string& name = component.ClassName();
  std::string text;
  for (std::size_t i = 1; i < name.size() && text.size() < 3; ++i)
    if (std::isupper(static_cast<unsigned char>(name[i])) != 0) text += name[i];
  return text;
}

void DrawIcon(const TComponent& component, const TDesignRect& r, int top) {
  fl_draw_box(FL_UP_BOX, r.Left, top, r.Width, r.Height, FL_BACKGROUND_COLOR);
  fl_color(FL_DARK_BLUE);
  fl_font(FL_HELVETICA_BOLD, 12);
  fl_draw(IconText(component).c_str(), r.Left, top, r.Width, r.Height, FL_ALIGN_CENTER);
  fl_color(FL_FOREGROUND_COLOR);
  fl_font(FL_HELVETICA, 10);
  const int width = static_cast<int>(fl_width(component.Name().c_str()));
  fl_draw(component.Name().c_str(), r.Left + (r.Width - width) / 2, top + r.Height + fl_height() - fl_descent());
}

// Small squares at the corners and the middles of the edges.
void DrawHandles(const TDesignRect& r, int top) {
  fl_color(FL_BLACK);
  const int xs[] = {r.Left - kHandle / 2, r.Left + (r.Width - kHandle) / 2, r.Left + r.Width - kHandle / 2};
  const int ys[] = {top - kHandle / 2, top + (r.Height - kHandle) / 2, top + r.Height - kHandle / 2};
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 3; ++row)
      if (col != 1 || row != 1) fl_rectf(xs[col], ys[row], kHandle, kHandle);
}

}  // namespace

void DrawDesignSurface(TForm& form, int menuHeight) {
  for (TComponent* icon : DesignIcons(form)) {
    const TDesignRect r = DesignBounds(form, *icon);
    DrawIcon(*icon, r, r.Top + menuHeight);
  }
  TComponent* selected = form.DesignSelection();
  if (selected == nullptr || selected == &form || Is<TMenuItem>(selected)) return;
  const TDesignRect r = DesignBounds(form, *selected);
  DrawHandles(r, r.Top + menuHeight);
}

}  // namespace platform
