#include "platform/forms/designing.h"

#include <cstdint>

#include "platform/forms/form.h"
#include "platform/forms/menus.h"

namespace platform {

namespace {

bool ShownAsIcon(const TComponent& component) {
  return !Is<TControl>(&component) && !Is<TMenuItem>(&component);
}

// A control's top left in the form's client area, through its parents' client origins.
TPoint PlaceInForm(const TForm& form, const TControl& control) {
  const TPoint origin = form.ClientOrigin();
  const TPoint parent = control.Parent() != nullptr ? control.Parent()->ClientOrigin() : origin;
  return {parent.X - origin.X + control.Left(), parent.Y - origin.Y + control.Top()};
}

// The innermost visible control under `at` among the children of `parent`,
// topmost first; nullptr when none is.
TControl* ControlAt(const TForm& form, const TWinControl& parent, TPoint at) {
  for (int i = parent.ControlCount(); i-- > 0;) {
    TControl& control = *parent.Controls(i);
    if (!control.Visible() || !DesignBounds(form, control).Contains(at)) continue;
    if (auto* windowed = DynCast<TWinControl>(&control))
      if (TControl* inner = ControlAt(form, *windowed, at)) return inner;
    return &control;
  }
  return nullptr;
}

}  // namespace

std::vector<TComponent*> DesignIcons(const TForm& form) {
  std::vector<TComponent*> icons;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (ShownAsIcon(*form.Components(i))) icons.push_back(form.Components(i));
  return icons;
}

TDesignRect DesignBounds(const TForm& form, const TComponent& component) {
  if (&component == &form) return {0, 0, form.ClientWidth(), form.ClientHeight()};
  if (auto* control = DynCast<TControl>(&component)) {
    const TPoint at = PlaceInForm(form, *control);
    return {at.X, at.Y, control->Width(), control->Height()};
  }
  const auto info = static_cast<std::uint32_t>(component.DesignInfo());
  return {static_cast<std::int16_t>(info & 0xFFFFu), static_cast<std::int16_t>(info >> 16), kDesignIconSize,
          kDesignIconSize};
}

TComponent& DesignComponentAt(TForm& form, TPoint at) {
  if (at.Y < 0 && form.Menu() != nullptr) return *form.Menu();
  const std::vector<TComponent*> icons = DesignIcons(form);
  for (auto it = icons.rbegin(); it != icons.rend(); ++it)
    if (DesignBounds(form, **it).Contains(at)) return **it;
  if (TControl* control = ControlAt(form, form, at)) return *control;
  return form;
}

void UserDesignClick(TForm& form, TPoint at) { form.OnDesignClick(&form, &DesignComponentAt(form, at), at); }

}  // namespace platform
