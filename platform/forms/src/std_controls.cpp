// Buttons, labels, text fields, check boxes, group boxes and bevels. Each
// class table lists what a form file stores for the class, in the order the
// framework writes it: position and size, then the properties by name, then
// the events.
#include "platform/forms/std_controls.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TButton> b("TButton");
    PublishBounds(b);
    return b.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(0)
        .Property("Caption", &TButton::Caption, &TButton::SetCaption)
        .Property("Default", &TButton::Default, &TButton::SetDefault).Default(0)
        .Property("Enabled", &TButton::Enabled, &TButton::SetEnabled).Default(1)
        .Property("Font", &TButton::Font, &TButton::SetFont).Stored(&TButton::IsFontStored)
        .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0)
        .Property("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).Default(1)
        .Property("ParentShowHint", &TButton::ParentShowHint, &TButton::SetParentShowHint).Default(1)
        .Property("ShowHint", &TButton::ShowHint, &TButton::SetShowHint).Stored(&TButton::IsShowHintStored)
        .Property("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).Default(-1)
        .Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(1)
        .Property("Visible", &TButton::Visible, &TButton::SetVisible).Default(1)
        .Event<TNotifyEvent>("OnClick", &TButton::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TButton::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TButton::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TButton::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TButton::OnKeyPress)
        .Build();
  }();
  return &info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetDefaultColor(clBtnFace, false);
}

void TButton::Click() {
  if (modalResult_ != mrNone)
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

void TButton::HandleChar(char key) {
  if (key == ' ') Click();
}

// --- TLabel

TClass TLabel::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TLabel> b("TLabel");
    PublishBounds(b);
    return b.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
        .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1)
        .Property("Caption", &TLabel::Caption, &TLabel::SetCaption)
        .Property("Color", &TLabel::Color, &TLabel::SetColor).Stored(&TLabel::IsColorStored).Idents(ColorIdents())
        .Property("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(1)
        .Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Property("Font", &TLabel::Font, &TLabel::SetFont).Stored(&TLabel::IsFontStored)
        .Property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).Default(1)
        .Property("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).Default(1)
        .Property("ParentShowHint", &TLabel::ParentShowHint, &TLabel::SetParentShowHint).Default(1)
        .Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1)
        .Property("ShowHint", &TLabel::ShowHint, &TLabel::SetShowHint).Stored(&TLabel::IsShowHintStored)
        .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0)
        .Property("Visible", &TLabel::Visible, &TLabel::SetVisible).Default(1)
        .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(0)
        .Event<TNotifyEvent>("OnClick", &TLabel::OnClick)
        .Event<TNotifyEvent>("OnDblClick", &TLabel::OnDblClick)
        .Build();
  }();
  return &info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetDefaultColor(clBtnFace, true);
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustSize();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustSize();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustSize();
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  AdjustSize();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

std::string TLabel::ShownText() const {
  if (!showAccelChar_) return Caption();
  std::string shown;
  const std::string& caption = Caption();
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" shows one "&"
    shown += caption[i];
  }
  return shown;
}

namespace {
// Breaks text into lines no wider than `width`, at blanks where it can.
std::string WrapText(const TFont& font, const std::string& text, int width) {
  std::string out, line, word;
  const auto fits = [&](const std::string& candidate) { return BackEnd().MeasureText(font, candidate).Width <= width; };
  const auto flushWord = [&] {
    if (word.empty()) return;
    const std::string joined = line.empty() ? word : line + " " + word;
    if (line.empty() || fits(joined)) {
      line = joined;
    } else {
      out += line + "\n";
      line = word;
    }
    word.clear();
  };
  for (char c : text) {
    if (c == ' ') {
      flushWord();
    } else if (c == '\n' || c == '\r') {
      flushWord();
      out += line + "\n";
      line.clear();
    } else {
      word += c;
    }
  }
  flushWord();
  return out + line;
}
}  // namespace

void TLabel::AdjustSize() {
  if (!autoSize_ || HasState(csLoading) || HasState(csReading)) return;
  const std::string text = ShownText();
  if (wordWrap_) {
    const TTextExtent extent = BackEnd().MeasureText(*Font(), WrapText(*Font(), text, Width()));
    return SetBounds(Left(), Top(), Width(), extent.Height);
  }
  const TTextExtent extent = BackEnd().MeasureText(*Font(), text);
  SetBounds(Left(), Top(), extent.Width, extent.Height);
}

// --- TCustomEdit

LXV_EMPTY_CLASS_INFO(TCustomEdit)

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) { SetDefaultColor(clWindow, false); }

void TCustomEdit::SetSelStart(int value) {
  selStart_ = std::clamp(value, 0, static_cast<int>(Text().size()));
  selLength_ = 0;
  Changed(TPeerChange::Selection);
}

void TCustomEdit::SetSelLength(int value) {
  selLength_ = std::clamp(value, 0, static_cast<int>(Text().size()) - selStart_);
  Changed(TPeerChange::Selection);
}

void TCustomEdit::SelectAll() {
  selStart_ = 0;
  selLength_ = static_cast<int>(Text().size());
  Changed(TPeerChange::Selection);
}

void TCustomEdit::UserClick() { SetSelStart(static_cast<int>(Text().size())); }

void TCustomEdit::SetSelText(const std::string& text) {
  std::string value = Text();
  const auto start = static_cast<std::size_t>(selStart_);
  value.replace(start, static_cast<std::size_t>(selLength_), text);
  const int caret = selStart_ + static_cast<int>(text.size());
  SetText(value);
  selStart_ = std::min(caret, static_cast<int>(Text().size()));
  selLength_ = 0;
}

void TCustomEdit::TextChanged() {
  selStart_ = std::min(selStart_, static_cast<int>(Text().size()));
  selLength_ = std::min(selLength_, static_cast<int>(Text().size()) - selStart_);
  if (!HasState(csLoading)) OnChange(this);
}

void TCustomEdit::HandleKey(std::uint16_t key, TShiftState) {
  const int size = static_cast<int>(Text().size());
  switch (key) {
    case VK_HOME: return SetSelStart(0);
    case VK_END: return SetSelStart(size);
    case VK_LEFT: return SetSelStart(selStart_ - 1);
    case VK_RIGHT: return SetSelStart(selStart_ + selLength_ + (selLength_ == 0 ? 1 : 0));
    case VK_DELETE:
      if (readOnly_) return;
      if (selLength_ == 0 && selStart_ < size) selLength_ = 1;
      if (selLength_ > 0) SetSelText("");
      return;
    default: return;
  }
}

void TCustomEdit::HandleChar(char key) {
  if (readOnly_) return;
  if (key == '\b') {
    if (selLength_ == 0 && selStart_ > 0) {
      --selStart_;
      selLength_ = 1;
    }
    if (selLength_ > 0) SetSelText("");
    return;
  }
  if (static_cast<unsigned char>(key) < ' ') return;  // Return, Tab and Escape type nothing here
  if (maxLength_ > 0 && static_cast<int>(Text().size()) - selLength_ >= maxLength_) return;
  SetSelText(std::string(1, key));
}

// --- TEdit

TClass TEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TEdit> b("TEdit");
    PublishBounds(b);
    return b.Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(1)
        .Property("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(1)
        .Property("Color", &TEdit::Color, &TEdit::SetColor).Default(clWindow).Stored(&TEdit::IsColorStored)
            .Idents(ColorIdents())
        .Property("Enabled", &TEdit::Enabled, &TEdit::SetEnabled).Default(1)
        .Property("Font", &TEdit::Font, &TEdit::SetFont).Stored(&TEdit::IsFontStored)
        .Property("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection).Default(1)
        .Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0)
        .Property("ParentColor", &TEdit::ParentColor, &TEdit::SetParentColor).Default(0)
        .Property("ParentFont", &TEdit::ParentFont, &TEdit::SetParentFont).Default(1)
        .Property("ParentShowHint", &TEdit::ParentShowHint, &TEdit::SetParentShowHint).Default(1)
        .Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(0)
        .Property("ShowHint", &TEdit::ShowHint, &TEdit::SetShowHint).Stored(&TEdit::IsShowHintStored)
        .Property("TabOrder", &TEdit::TabOrder, &TEdit::SetTabOrder).Default(-1)
        .Property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).Default(1)
        .Property("Text", &TEdit::Text, &TEdit::SetText)
        .Property("Visible", &TEdit::Visible, &TEdit::SetVisible).Default(1)
        .Event<TNotifyEvent>("OnChange", &TEdit::OnChange)
        .Event<TNotifyEvent>("OnClick", &TEdit::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TEdit::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TEdit::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TEdit::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TEdit::OnKeyPress)
        .Build();
  }();
  return &info;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void TEdit::DoEnter() {
  if (autoSelect_) SelectAll();
  TCustomEdit::DoEnter();
}

// --- TMemo

TClass TMemo::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TMemo> b("TMemo");
    PublishBounds(b);
    return b.Property("Alignment", &TMemo::Alignment, &TMemo::SetAlignment).Default(taLeftJustify)
        .Property("Color", &TMemo::Color, &TMemo::SetColor).Default(clWindow).Stored(&TMemo::IsColorStored)
            .Idents(ColorIdents())
        .Property("Enabled", &TMemo::Enabled, &TMemo::SetEnabled).Default(1)
        .Property("Font", &TMemo::Font, &TMemo::SetFont).Stored(&TMemo::IsFontStored)
        .Property("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection).Default(1)
        .Property("Lines", &TMemo::Lines, &TMemo::SetLines)
        .Property("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength).Default(0)
        .Property("ParentColor", &TMemo::ParentColor, &TMemo::SetParentColor).Default(0)
        .Property("ParentFont", &TMemo::ParentFont, &TMemo::SetParentFont).Default(1)
        .Property("ParentShowHint", &TMemo::ParentShowHint, &TMemo::SetParentShowHint).Default(1)
        .Property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(0)
        .Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone)
        .Property("ShowHint", &TMemo::ShowHint, &TMemo::SetShowHint).Stored(&TMemo::IsShowHintStored)
        .Property("TabOrder", &TMemo::TabOrder, &TMemo::SetTabOrder).Default(-1)
        .Property("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).Default(1)
        .Property("Visible", &TMemo::Visible, &TMemo::SetVisible).Default(1)
        .Property("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(1)
        .Property("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(0)
        .Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(1)
        .Event<TNotifyEvent>("OnChange", &TMemo::OnChange)
        .Event<TNotifyEvent>("OnClick", &TMemo::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TMemo::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TMemo::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TMemo::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TMemo::OnKeyPress)
        .Build();
  }();
  return &info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 185, 89);
  lines_->OnChange = [this](TObject*) {
    if (syncing_) return;
    std::string text = lines_->Text();
    if (text.size() >= 2) text.resize(text.size() - 2);  // no line end after the last line
    syncing_ = true;
    try {
      SetText(text);
    } catch (...) {
      syncing_ = false;
      throw;
    }
    syncing_ = false;
  };
}

void TMemo::TextChanged() {
  if (!syncing_) {
    syncing_ = true;
    try {
      lines_->SetText(Text());
    } catch (...) {
      syncing_ = false;
      throw;
    }
    syncing_ = false;
  }
  TCustomEdit::TextChanged();
}

bool TMemo::WantsKey(std::uint16_t key) const {
  if (key == VK_ESCAPE) return true;
  if (key == VK_RETURN) return wantReturns_;
  if (key == VK_TAB) return wantTabs_;
  return false;
}

void TMemo::HandleChar(char key) {
  if (ReadOnly()) return;
  if (key == '\r' && wantReturns_) return SetSelText("\r\n");
  if (key == '\t' && wantTabs_) return SetSelText("\t");
  TCustomEdit::HandleChar(key);
}

// --- TCheckBox

TClass TCheckBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TCheckBox> b("TCheckBox");
    PublishBounds(b);
    return b.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify)
        .Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(0)
        .Property("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption)
        .Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Stored(false)
        .Property("Color", &TCheckBox::Color, &TCheckBox::SetColor).Stored(&TCheckBox::IsColorStored)
            .Idents(ColorIdents())
        .Property("Enabled", &TCheckBox::Enabled, &TCheckBox::SetEnabled).Default(1)
        .Property("Font", &TCheckBox::Font, &TCheckBox::SetFont).Stored(&TCheckBox::IsFontStored)
        .Property("ParentColor", &TCheckBox::ParentColor, &TCheckBox::SetParentColor).Default(1)
        .Property("ParentFont", &TCheckBox::ParentFont, &TCheckBox::SetParentFont).Default(1)
        .Property("ParentShowHint", &TCheckBox::ParentShowHint, &TCheckBox::SetParentShowHint).Default(1)
        .Property("ShowHint", &TCheckBox::ShowHint, &TCheckBox::SetShowHint).Stored(&TCheckBox::IsShowHintStored)
        .Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked)
        .Property("TabOrder", &TCheckBox::TabOrder, &TCheckBox::SetTabOrder).Default(-1)
        .Property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(1)
        .Property("Visible", &TCheckBox::Visible, &TCheckBox::SetVisible).Default(1)
        .Event<TNotifyEvent>("OnClick", &TCheckBox::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TCheckBox::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TCheckBox::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TCheckBox::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TCheckBox::OnKeyPress)
        .Build();
  }();
  return &info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetDefaultColor(clBtnFace, true);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  Changed(TPeerChange::Checked);
  if (!HasState(csLoading)) Click();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: return SetState(cbChecked);
    case cbChecked: return SetState(allowGrayed_ ? cbGrayed : cbUnchecked);
    case cbGrayed: return SetState(cbUnchecked);
  }
}

void TCheckBox::HandleChar(char key) {
  if (key == ' ') Toggle();
}

std::string TCheckBox::SnapshotState() const {
  return state_ == cbChecked ? "checked" : state_ == cbGrayed ? "grayed" : "unchecked";
}

// --- TGroupBox, TBevel

TClass TGroupBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TGroupBox> b("TGroupBox");
    PublishBounds(b);
    return b.Property("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)
        .Property("Color", &TGroupBox::Color, &TGroupBox::SetColor).Stored(&TGroupBox::IsColorStored)
            .Idents(ColorIdents())
        .Property("Enabled", &TGroupBox::Enabled, &TGroupBox::SetEnabled).Default(1)
        .Property("Font", &TGroupBox::Font, &TGroupBox::SetFont).Stored(&TGroupBox::IsFontStored)
        .Property("ParentColor", &TGroupBox::ParentColor, &TGroupBox::SetParentColor).Default(1)
        .Property("ParentFont", &TGroupBox::ParentFont, &TGroupBox::SetParentFont).Default(1)
        .Property("ParentShowHint", &TGroupBox::ParentShowHint, &TGroupBox::SetParentShowHint).Default(1)
        .Property("ShowHint", &TGroupBox::ShowHint, &TGroupBox::SetShowHint).Stored(&TGroupBox::IsShowHintStored)
        .Property("TabOrder", &TGroupBox::TabOrder, &TGroupBox::SetTabOrder).Default(-1)
        .Property("TabStop", &TGroupBox::TabStop, &TGroupBox::SetTabStop).Default(0)
        .Property("Visible", &TGroupBox::Visible, &TGroupBox::SetVisible).Default(1)
        .Event<TNotifyEvent>("OnClick", &TGroupBox::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TGroupBox::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TGroupBox::OnExit)
        .Build();
  }();
  return &info;
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
  SetDefaultColor(clBtnFace, true);
  SetTabStop(false);
}

TClass TBevel::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TBevel> b("TBevel");
    PublishBounds(b);
    return b.Property("ParentShowHint", &TBevel::ParentShowHint, &TBevel::SetParentShowHint).Default(1)
        .Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox)
        .Property("ShowHint", &TBevel::ShowHint, &TBevel::SetShowHint).Stored(&TBevel::IsShowHintStored)
        .Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered)
        .Property("Visible", &TBevel::Visible, &TBevel::SetVisible).Default(1)
        .Build();
  }();
  return &info;
}

TBevel::TBevel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 50, 50); }

namespace {
const bool kRegistered = (RegisterClasses({TButton::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(),
                                           TMemo::StaticClass(), TCheckBox::StaticClass(), TGroupBox::StaticClass(),
                                           TBevel::StaticClass()}),
                          true);
}  // namespace

}  // namespace platform
