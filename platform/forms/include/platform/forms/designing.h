#pragma once
// A form being designed (csDesigning) as a design environment shows it: the
// controls where they stand, and each component without a place of its own
// (neither a control nor a menu item: a menu, a translator) as a square icon
// at its DesignInfo position. A person's click on such a form selects what is
// under it; the controls do not act.
#include <vector>

#include "platform/forms/controls.h"

namespace platform {

class TForm;

constexpr int kDesignIconSize = 28;

struct TDesignRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Contains(TPoint at) const {
    return at.X >= Left && at.X < Left + Width && at.Y >= Top && at.Y < Top + Height;
  }
};

// The components the form shows as icons, in creation order (the last lies
// on top).
std::vector<TComponent*> DesignIcons(const TForm& form);
// Where a component shows in the form's client coordinates: a control's
// bounds (the form: its client area), an icon's square.
TDesignRect DesignBounds(const TForm& form, const TComponent& component);
// The component under a point of the client area: an icon (icons lie above
// the controls), else the innermost visible control, else the form. Above
// the client area (Y < 0: the menu bar) it is the form's menu, if any.
TComponent& DesignComponentAt(TForm& form, TPoint at);
// A person's click at a point of the client area of a form being designed:
// OnDesignClick with the component there.
void UserDesignClick(TForm& form, TPoint at);

}  // namespace platform
