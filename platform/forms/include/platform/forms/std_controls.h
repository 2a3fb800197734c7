#pragma once
// The standard controls: buttons, labels, one- and multi-line text fields,
// check boxes, group boxes and bevels.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/classes/strings.h"
#include "platform/forms/controls.h"

namespace platform {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
LXV_ENUM(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")

// A push button. A click gives the button's ModalResult to its form before
// OnClick runs. Return presses the focused button, else the Default one;
// Escape presses the Cancel one.
class TButton : public TWinControl {
  LXV_CLASS(TButton, TWinControl)
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  void Click() override;
  bool TakesFocusOnClick() const override { return true; }

 protected:
  void HandleChar(char key) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

// Text on its parent's surface. An auto-sized label takes its size from its
// caption and font (measured by the back end) whenever either changes after
// the label was loaded; the bounds a form file stores are kept as read. A
// single "&" marks the next character as the accelerator and is not shown.
class TLabel : public TControl {
  LXV_CLASS(TLabel, TControl)
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value) { focusControl_ = value; }
  // The caption as shown: accelerator marks taken out.
  std::string ShownText() const;

  TNotifyEvent OnDblClick;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void TextChanged() override { AdjustSize(); }
  void FontChanged() override;

 private:
  void AdjustSize();

  bool autoSize_ = true;
  bool wordWrap_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  TWinControl* focusControl_ = nullptr;
};

// What one- and multi-line text fields share: the text with a caret and a
// selection, typing and deleting, and OnChange on every change of the text,
// typed or assigned (not while a form file is read).
class TCustomEdit : public TWinControl {
  LXV_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* owner);

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value) { hideSelection_ = value; }
  int SelStart() const { return selStart_; }
  void SetSelStart(int value);
  int SelLength() const { return selLength_; }
  void SetSelLength(int value);
  void SelectAll();
  // Replaces the selection as typing does.
  void SetSelText(const std::string& text);

  TNotifyEvent OnChange;
  bool TakesFocusOnClick() const override { return true; }
  // A click puts the caret after the text.
  void UserClick() override;

 protected:
  void TextChanged() override;
  void HandleKey(std::uint16_t key, TShiftState shift) override;
  void HandleChar(char key) override;

 private:
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  int selStart_ = 0;
  int selLength_ = 0;
};

class TEdit : public TCustomEdit {
  LXV_CLASS(TEdit, TCustomEdit)
 public:
  explicit TEdit(TComponent* owner);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value; }
  // Entering with AutoSelect selects the whole text.
  void DoEnter() override;

 private:
  bool autoSelect_ = true;
  bool autoSize_ = true;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
LXV_ENUM(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

// A multi-line text field. Its Text is its Lines joined by CR LF. It keeps
// Escape for itself, and Return and Tab when it wants them (a new line, a
// tab character); otherwise those keys act on the form.
class TMemo : public TCustomEdit {
  LXV_CLASS(TMemo, TCustomEdit)
 public:
  explicit TMemo(TComponent* owner);

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(const TStrings* value) { lines_->Assign(value); }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }

  bool WantsKey(std::uint16_t key) const override;

 protected:
  void TextChanged() override;
  void HandleChar(char key) override;

 private:
  std::unique_ptr<TStringList> lines_;
  bool syncing_ = false;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  TAlignment alignment_ = taLeftJustify;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
LXV_ENUM(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

// A check box. Every change of its state, by a click or assigned, fires
// OnClick, as the framework's check box does (not while a form file is read).
class TCheckBox : public TWinControl {
  LXV_CLASS(TCheckBox, TWinControl)
 public:
  explicit TCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }

  // Unchecked, checked, grayed (when allowed), unchecked again.
  void Toggle();
  bool TakesFocusOnClick() const override { return true; }
  void UserClick() override { Toggle(); }
  std::string SnapshotState() const override;

 protected:
  void HandleChar(char key) override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

// A frame with a caption around other controls.
class TGroupBox : public TWinControl {
  LXV_CLASS(TGroupBox, TWinControl)
 public:
  explicit TGroupBox(TComponent* owner);
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
LXV_ENUM(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine")
enum TBevelStyle { bsLowered, bsRaised };
LXV_ENUM(TBevelStyle, "bsLowered", "bsRaised")

// A drawn frame or line.
class TBevel : public TControl {
  LXV_CLASS(TBevel, TControl)
 public:
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value) { shape_ = value; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value) { style_ = value; }

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

}  // namespace platform
