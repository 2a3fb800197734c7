#pragma once
// What a person does to a form, in the framework's order of events. A
// windowing back end reports real input through these calls; the scripted
// user performs its steps through them. Input to a control that is disabled
// or hidden (or sits in one) has no effect, as on a screen.
#include <cstdint>
#include <string_view>

#include "platform/forms/controls.h"

namespace platform {

class TComponent;
class TMenuItem;

// A click: when the control takes the focus it moves there first (the exit
// handler of the control that had it runs before anything of the click),
// then the control acts (a button clicks, a check box toggles, ...).
void UserClick(TControl& control);
// A click on entry `index` of a list box, combo box, radio group, tab set or
// tabbed notebook, or on the index-th item of a menu or menu item.
void UserPick(TComponent& target, int index);
// A menu item chosen: OnClick, when it and the items above it are enabled.
void UserChoose(TMenuItem& item);
// Clicking into or tabbing to a control.
void UserFocus(TWinControl& control);
// A key pressed with the focus where it is. Tab, Return and Escape act on the
// form (next control, the focused or default button, the cancel button)
// unless the focused control keeps them; otherwise the focused control gets
// OnKeyDown and then the character the key types, if any.
void UserKey(TForm& form, std::uint16_t key, TShiftState shift = {});
// Characters typed: one key each (CR LF is one Return), so a text field
// changes, and fires OnChange, once per character.
void UserType(TForm& form, std::string_view text);
// The window manager's close: Close, which ends a modal form with mrCancel.
void UserClose(TForm& form);
// Switching to another window and back: OnDeactivate, OnActivate.
void UserReactivate(TForm& form);

}  // namespace platform
