#pragma once
// TControl and TWinControl: components with a place on a parent, a caption,
// a font and colours, that a person sees and uses. Windowed controls hold
// children in z-order, take part in the tab order and can have the focus.
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/base/set.h"
#include "platform/classes/component.h"
#include "platform/forms/backend.h"
#include "platform/forms/graphics.h"
#include "platform/forms/screen.h"
#include "platform/rtti/events.h"

namespace platform {

class TForm;
class TWinControl;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
LXV_ENUM(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble")
using TShiftState = TSet<TShiftStateItem>;

// Virtual-key codes of the keys the controls handle.
constexpr std::uint16_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33,
                        VK_NEXT = 34, VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39,
                        VK_DOWN = 40, VK_DELETE = 46;

using TKeyEvent = TEvent<TObject*, std::uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

class TControl : public TComponent {
  LXV_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  void BeforeDestruction() override;

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  TForm* ParentForm() const;  // the form this control is on (itself for a form)

  int Left() const { return left_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  int Top() const { return top_; }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  // Screen position of the client area's top left, where children's Left and
  // Top count from.
  virtual TPoint ClientOrigin() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // Visible and enabled, and so are the parents up to the form.
  bool Usable() const;

  // Caption and Text are one text, published under the name the class uses.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& value) { SetText(value); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value) { font_->Assign(value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value) { cursor_ = value; }

  TNotifyEvent OnClick;
  virtual void Click() { OnClick(this); }
  // A window message sent to the control; 0 when it does not handle it.
  virtual std::intptr_t Perform(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

  // A person's input, as input.h delivers it. A click moves the focus first
  // when the control takes it; then the control acts.
  virtual bool TakesFocusOnClick() const { return false; }
  virtual void UserClick() { Click(); }

  // The control's state for a form snapshot: a word or two after its
  // position, and its entries, one per line.
  virtual std::string SnapshotState() const { return {}; }
  virtual std::vector<std::string> SnapshotEntries() const { return {}; }

  // Peers (backend.h).
  TPeer* Peer() const { return peer_.get(); }
  virtual void CreatePeers();
  virtual void DestroyPeers();

  // Properties the control copies from its parent while its Parent* flag holds.
  virtual void InheritFromParent();
  // Storage tests of the class tables.
  bool IsFontStored() const { return !parentFont_; }
  bool IsColorStored() const { return !parentColor_; }
  bool IsShowHintStored() const { return !parentShowHint_; }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  void Changed(TPeerChange change);
  virtual void TextChanged() {}
  virtual void FontChanged();
  virtual void ParentChanged();
  void SetDefaultColor(TColor color, bool parentColor);

 private:
  friend class TWinControl;
  void DetachFromParent(bool notify = true);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool inheriting_ = false;  // copying the parent's font: ParentFont stays
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  std::unique_ptr<TPeer> peer_;
  std::shared_ptr<TBackEnd> peerBackEnd_;  // the back end that made peer_
};

class TWinControl : public TControl {
  LXV_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  // Children in z-order, bottom first.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  // Position among the parent's windowed children in tab order; -1 without a
  // parent. While a form file is read the stored numbers are kept and put in
  // order when the parent is loaded.
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // The windowed children in tab order.
  std::vector<TWinControl*> TabList() const;

  bool CanFocus() const;
  bool Focused() const;
  // Moves the focus here (the exit handler of the control losing it first).
  void SetFocus();

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  // Keys of the dialog (Tab, Return, Escape) the control keeps for itself.
  virtual bool WantsKey(std::uint16_t) const { return false; }
  // A key pressed while the control has the focus: OnKeyDown, then the
  // control's own handling unless the handler cleared the key.
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  // A character typed while the control has the focus: OnKeyPress, then the
  // control's own handling unless the handler cleared it.
  virtual void KeyPress(char& key);

  void CreatePeers() override;
  void DestroyPeers() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;

 protected:
  virtual void HandleKey(std::uint16_t, TShiftState) {}
  virtual void HandleChar(char) {}
  void FontChanged() override;
  void ParentChanged() override;

 private:
  friend class TControl;
  void SortTabOrder();

  std::vector<TControl*> controls_;
  int tabOrder_ = -1;  // the stored number while reading; kept dense otherwise
  bool tabStop_ = true;
};

// Runs a class table builder's common control properties in the order form
// files store them: Left, Top, Width, Height, Cursor, Hint.
template <class T>
void PublishBounds(TClassBuilder<T>& b, bool storeSize = true) {
  b.Property("Left", &TControl::Left, &TControl::SetLeft)
      .Property("Top", &TControl::Top, &TControl::SetTop)
      .Property("Width", &TControl::Width, &TControl::SetWidth).Stored(storeSize)
      .Property("Height", &TControl::Height, &TControl::SetHeight).Stored(storeSize)
      .Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault).Idents(CursorIdents())
      .Property("Hint", &TControl::Hint, &TControl::SetHint);
}

// Which of the properties that controls share a class publishes. The
// defaults are those of a windowed control that takes the focus.
struct TSharedProperties {
  bool Caption = false;
  bool Color = true;          // Color and ParentColor
  bool ParentColor = true;    // its default; without it Color defaults to clWindow
  bool EnabledAndFont = true;
  bool ParentFont = true;
  bool Hints = true;          // ParentShowHint and ShowHint
  bool TabOrder = true;       // these two on windowed controls only
  bool TabStop = true;
  bool TabStopDefault = true;
};

// Declares the shared properties (and always Visible) once for every control
// class; the class's own properties declared next are merged in by name, in
// the order form files store them (TClassBuilder::BeginSharedRun).
template <class T>
void PublishWinControlCommon(TClassBuilder<T>& b, const TSharedProperties& with = {}) {
  b.BeginSharedRun();
  if (with.Caption) b.Property("Caption", &T::Caption, &T::SetCaption);
  if (with.Color) {
    b.Property("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored).Idents(ColorIdents());
    if (!with.ParentColor) b.Default(clWindow);
  }
  if (with.EnabledAndFont) {
    b.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(1)
        .Property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  }
  if (with.Color) b.Property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(with.ParentColor);
  if (with.ParentFont) b.Property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(1);
  if (with.Hints) {
    b.Property("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint).Default(1)
        .Property("ShowHint", &T::ShowHint, &T::SetShowHint).Stored(&T::IsShowHintStored);
  }
  if constexpr (std::is_base_of_v<TWinControl, T>) {
    if (with.TabOrder) b.Property("TabOrder", &T::TabOrder, &T::SetTabOrder).Default(-1);
    if (with.TabStop) b.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(with.TabStopDefault);
  }
  b.Property("Visible", &T::Visible, &T::SetVisible).Default(1).EndSharedRun();
}

}  // namespace platform
