#include "platform/forms/input.h"

#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/forms/form.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"

namespace platform {

namespace {

// Moves the focus to a control that takes it on a click; false when the
// focus did not end there (an exit handler moved it elsewhere).
bool FocusForClick(TControl& control) {
  if (!control.TakesFocusOnClick()) return true;
  TForm* form = control.ParentForm();
  return form == nullptr || form->FocusControl(static_cast<TWinControl*>(&control));
}

void FindButtons(const TWinControl& parent, TButton*& defaultButton, TButton*& cancelButton) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    if (auto* button = DynCast<TButton>(c); button != nullptr && button->Usable()) {
      if (button->Default() && defaultButton == nullptr) defaultButton = button;
      if (button->Cancel() && cancelButton == nullptr) cancelButton = button;
    }
    if (auto* w = DynCast<TWinControl>(c)) FindButtons(*w, defaultButton, cancelButton);
  }
}

// Tab, Return and Escape acting on the form; false when the key is left to
// the focused control.
bool DialogKey(TForm& form, TWinControl* focused, std::uint16_t key, TShiftState shift) {
  if (key == VK_TAB) {
    if (TWinControl* next = form.FindNextControl(focused, !shift.Contains(ssShift))) form.FocusControl(next);
    return true;
  }
  TButton* defaultButton = nullptr;
  TButton* cancelButton = nullptr;
  FindButtons(form, defaultButton, cancelButton);
  if (key == VK_RETURN) {
    TButton* button = DynCast<TButton>(focused);
    if (button == nullptr) button = defaultButton;
    if (button == nullptr) return false;
    button->Click();
    return true;
  }
  if (key == VK_ESCAPE && cancelButton != nullptr) {
    cancelButton->Click();
    return true;
  }
  return false;
}

char CharOfKey(std::uint16_t key, TShiftState shift) {
  switch (key) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return '\x1b';
    case VK_SPACE: return ' ';
    default: break;
  }
  if (key >= '0' && key <= '9') return static_cast<char>(key);
  if (key >= 'A' && key <= 'Z') return static_cast<char>(shift.Contains(ssShift) ? key : key - 'A' + 'a');
  return 0;
}

// OnKeyDown, then the character typed (which the framework sends even when
// the handler cleared the key).
void KeyToControl(TWinControl& target, std::uint16_t key, char typed, TShiftState shift) {
  if (key != 0) target.KeyDown(key, shift);
  if (typed != 0) target.KeyPress(typed);
}

}  // namespace

void UserClick(TControl& control) {
  if (!control.Usable()) return;
  if (!FocusForClick(control)) return;
  control.UserClick();
}

void UserPick(TComponent& target, int index) {
  if (auto* item = DynCast<TMenuItem>(&target)) return UserChoose(*item->Items(index));
  if (auto* menu = DynCast<TMenu>(&target)) return UserChoose(*menu->Items()->Items(index));
  auto* control = DynCast<TControl>(&target);
  if (control == nullptr) throw EInvalidOperation(target.Name() + " has no entries to pick");
  if (!control->Usable() || !FocusForClick(*control)) return;
  if (auto* list = DynCast<TListBox>(control)) return list->UserPick(index);
  if (auto* combo = DynCast<TComboBox>(control)) return combo->UserPick(index);
  if (auto* radio = DynCast<TRadioGroup>(control)) return radio->UserPick(index);
  if (auto* tabs = DynCast<TTabSet>(control)) return tabs->UserPick(index);
  if (auto* notebook = DynCast<TTabbedNotebook>(control)) return notebook->UserPick(index);
  throw EInvalidOperation(control->Name() + " (" + control->ClassName() + ") has no entries to pick");
}

void UserChoose(TMenuItem& item) {
  for (const TMenuItem* i = &item; i != nullptr; i = i->Parent())
    if (!i->Enabled() || !i->Visible()) return;
  item.Click();
}

void UserFocus(TWinControl& control) {
  if (!control.CanFocus()) return;
  if (TForm* form = control.ParentForm()) form->FocusControl(&control);
}

void UserKey(TForm& form, std::uint16_t key, TShiftState shift) {
  TWinControl* focused = form.ActiveControl();
  const bool dialogKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
  if (dialogKey && !(focused != nullptr && focused->WantsKey(key)) && DialogKey(form, focused, key, shift)) return;
  if (focused != nullptr) KeyToControl(*focused, key, CharOfKey(key, shift), shift);
}

void UserType(TForm& form, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      UserKey(form, VK_RETURN);
    } else if (c == '\t') {
      UserKey(form, VK_TAB);
    } else if (c == '\b') {
      UserKey(form, VK_BACK);
    } else if (TWinControl* focused = form.ActiveControl()) {
      // Letters, digits and the blank have a key of their own, named by the
      // upper-case character; shift tells the upper case apart.
      const bool keyed = IsAsciiLetter(c) || IsAsciiDigit(c) || c == ' ';
      const TShiftState shift = c >= 'A' && c <= 'Z' ? TShiftState{ssShift} : TShiftState{};
      KeyToControl(*focused, keyed ? static_cast<std::uint16_t>(static_cast<unsigned char>(AsciiUpper(c))) : 0, c, shift);
    }
  }
}

void UserClose(TForm& form) { form.Close(); }

void UserReactivate(TForm& form) {
  form.Deactivate();
  form.Activate();
}

}  // namespace platform
