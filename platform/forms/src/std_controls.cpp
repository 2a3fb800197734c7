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
    PublishWinControlCommon(b, {.Caption = true, .Color = false});
    return b.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(0)
        .Property("Default", &TButton::Default, &TButton::SetDefault).Default(0)
        .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0)
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
    PublishWinControlCommon(b, {.Caption = true});
    return b.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
        .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(1)
        .Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
        .Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(1)
        .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(0)
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
    PublishWinControlCommon(b, {.ParentColor = false});
    return b.Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(1)
        .Property("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(1)
        .Property("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection).Default(1)
        .Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0)
        .Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(0)
        .Property("Text", &TEdit::Text, &TEdit::SetText)
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
    PublishWinControlCommon(b, {.ParentColor = false});
    return b.Property("Alignment", &TMemo::Alignment, &TMemo::SetAlignment).Default(taLeftJustify)
        .Property("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection).Default(1)
        .Property("Lines", &TMemo::Lines, &TMemo::SetLines)
        .Property("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength).Default(0)
        .Property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(0)
        .Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone)
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
    PublishWinControlCommon(b, {.Caption = true});
    return b.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify)
        .Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(0)
        .Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Stored(false)
        .Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked)
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
    PublishWinControlCommon(b, {.Caption = true, .TabStopDefault = false});
    return b.Event<TNotifyEvent>("OnClick", &TGroupBox::OnClick)
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
    PublishWinControlCommon(b, {.Color = false, .EnabledAndFont = false, .ParentFont = false});
    return b.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox)
        .Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered)
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
