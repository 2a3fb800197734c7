#include "platform/forms/form.h"

#include <algorithm>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/scope_exit.h"
#include "platform/base/text.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/form_files/form_resources.h"
#include "platform/form_files/form_text.h"
#include "platform/forms/menus.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"
#include "platform/streaming/streams.h"

namespace platform {

TClass TForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TForm>("TForm")
      .Property("Left", &TForm::Left, &TForm::SetLeft)
      .Property("Top", &TForm::Top, &TForm::SetTop)
      .Property("Width", &TForm::Width, &TForm::SetWidth).Stored(&TForm::IsFormSizeStored)
      .Property("Height", &TForm::Height, &TForm::SetHeight).Stored(&TForm::IsFormSizeStored)
      .Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
      .Property("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll).Default(1)
      .Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
          .Default(static_cast<std::int64_t>(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits()))
      .Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable)
      .Property("Caption", &TForm::Caption, &TForm::SetCaption)
      .Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight).Stored(&TForm::IsClientSizeStored)
      .Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth).Stored(&TForm::IsClientSizeStored)
      .Property("Color", &TForm::Color, &TForm::SetColor).Default(clBtnFace).Idents(ColorIdents())
      .Property("Font", &TForm::Font, &TForm::SetFont)
      .Property("Hint", &TForm::Hint, &TForm::SetHint)
      .Property("Menu", &TForm::Menu, &TForm::SetMenu)
      .Property("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
      .Property("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned)
      .Property("ShowHint", &TForm::ShowHint, &TForm::SetShowHint).Default(0)
      .Property("Visible", &TForm::Visible, &TForm::SetVisible).Default(0)
      .Event<TNotifyEvent>("OnActivate", &TForm::OnActivate)
      .Event<TNotifyEvent>("OnClick", &TForm::OnClick)
      .Event("OnCloseQuery", &TForm::OnCloseQuery)
      .Event<TNotifyEvent>("OnCreate", &TForm::OnCreate)
      .Event<TNotifyEvent>("OnDeactivate", &TForm::OnDeactivate)
      .Event<TNotifyEvent>("OnDestroy", &TForm::OnDestroy)
      .Event<TNotifyEvent>("OnHide", &TForm::OnHide)
      .Event<TKeyEvent>("OnKeyDown", &TForm::OnKeyDown)
      .Event<TNotifyEvent>("OnShow", &TForm::OnShow)
      .Build();
  return &info;
}

namespace {
// Plain forms can be read by class name, as any registered class.
const bool kFormRegistered = (RegisterClass(TForm::StaticClass()), true);

std::vector<TForm*>& ModalStack() {
  static std::vector<TForm*> stack;
  return stack;
}

// The tab order of the whole form: each windowed control, then its children.
void CollectTabOrder(const TWinControl& parent, std::vector<TWinControl*>& out) {
  for (TWinControl* c : parent.TabList()) {
    out.push_back(c);
    CollectTabOrder(*c, out);
  }
}
}  // namespace

TForm* CurrentModalForm() { return ModalStack().empty() ? nullptr : ModalStack().back(); }
int ModalDepth() { return static_cast<int>(ModalStack().size()); }

TForm::TForm(TComponent* owner) : TWinControl(owner), pixelsPerInch_(Screen().PixelsPerInch()) {
  SetVisible(false);
  SetParentFont(false);
  SetParentShowHint(false);
  SetDefaultColor(clBtnFace, false);
  SetBounds(0, 0, 320, 240);
}

TForm::~TForm() { std::erase(ModalStack(), this); }

void TForm::BeforeDestruction() {
  std::erase(ModalStack(), this);
  if (!destroyFired_) {
    destroyFired_ = true;
    OnDestroy(this);
  }
  // From here the form and what it owns are going: freeing its controls
  // runs no exit handler, whose form may have freed its state already.
  Destroying();
  TWinControl::BeforeDestruction();
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  // The client area keeps its size; the frame around it changes.
  const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
  borderStyle_ = value;
  SetClientWidth(clientWidth);
  SetClientHeight(clientHeight);
}

int TForm::FrameWidth() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 4;
    default: return 3;
  }
}

int TForm::CaptionHeight() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsToolWindow:
    case bsSizeToolWin: return 16;
    default: return 19;
  }
}

TPoint TForm::ClientOrigin() const { return {Left() + FrameWidth(), Top() + FrameWidth() + CaptionHeight()}; }

void TForm::SetPixelsPerInch(int value) {
  pixelsPerInch_ = value;
  Font()->SetPixelsPerInch(value);
}

int TForm::TextHeight() const { return BackEnd().MeasureText(*Font(), "0").Height; }

void TForm::SetMenu(TMainMenu* value) {
  if (value == menu_) return;
  if (menu_ != nullptr && menu_ != designSelection_) menu_->RemoveFreeNotification(this);
  menu_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr;
  if (operation == opRemove && component == designSelection_) {
    designSelection_ = nullptr;
    if (!HasState(csDestroying)) DesignChanged();
  }
}

void TForm::SetDesignSelection(TComponent* component) {
  if (component == designSelection_) return;
  // The menu's link stays: the form follows its menu too.
  if (designSelection_ != nullptr && designSelection_ != this && designSelection_ != menu_)
    designSelection_->RemoveFreeNotification(this);
  designSelection_ = component;
  if (component != nullptr && component != this) component->FreeNotification(this);
  DesignChanged();
}

void TForm::DefineProperties(TFiler& filer) {
  TWinControl::DefineProperties(filer);
  // Stored for the record of the layout; the font decides the real value.
  filer.DefineProperty(
      "TextHeight", [](TReader& reader) { reader.ReadInteger(); },
      [this](TWriter& writer) { writer.WriteInteger(TextHeight()); }, true);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control != nullptr && control->ParentForm() != this)
    throw EInvalidOperation("Control " + control->Name() + " is not on form " + Name());
  if (HasState(csLoading) || !Visible()) {
    active_ = control;
    return;
  }
  FocusControl(control);
}

bool TForm::FocusControl(TWinControl* control) {
  if (control == active_) return true;
  TWinControl* old = active_;
  if (old != nullptr) {
    old->DoExit();  // raising keeps the focus where it is
    if (active_ != old) return active_ == control;  // the handler moved the focus itself
  }
  active_ = control;
  if (control != nullptr) control->DoEnter();
  return active_ == control;
}

void TForm::ForgetFocus(const TControl* control, bool notify) {
  bool inside = false;
  for (const TControl* c = active_; c != nullptr && !inside; c = c->Parent()) inside = c == control;
  if (!inside) return;
  TWinControl* const old = active_;
  if (!notify || HasState(csLoading) || HasState(csDestroying)) {
    active_ = nullptr;
    return;
  }
  {
    // Whatever the handler does, a hidden or disabled control keeps no focus.
    const TScopeExit off([this, old] {
      if (active_ == old) active_ = nullptr;
    });
    old->DoExit();
  }
  if (active_ != nullptr) return;  // the handler moved the focus itself
  if (TWinControl* next = FindNextControl(old, true); next != nullptr && next != old) FocusControl(next);
}

TWinControl* TForm::FindNextControl(TWinControl* from, bool forward) const {
  std::vector<TWinControl*> order;
  CollectTabOrder(*this, order);
  std::erase_if(order, [from](TWinControl* c) { return c != from && !(c->TabStop() && c->CanFocus()); });
  if (order.empty()) return nullptr;
  auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end()) return forward ? order.front() : order.back();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t i = at - order.begin();
  TWinControl* next = order[static_cast<std::size_t>((i + (forward ? 1 : n - 1)) % n)];
  return next == from ? nullptr : next;
}

void TForm::PlaceOnScreen() {
  if (position_ == poScreenCenter)
    SetBounds((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2, Width(), Height());
}

void TForm::FocusFirst() {
  if (active_ != nullptr && active_->CanFocus()) return active_->DoEnter();
  active_ = nullptr;
  if (TWinControl* first = FindNextControl(nullptr, true)) FocusControl(first);
}

void TForm::Show() {
  if (Visible()) return;
  PlaceOnScreen();
  OnShow(this);
  SetVisible(true);
  CreatePeers();
  FocusFirst();
  Activate();
}

TModalResult TForm::ShowModal() {
  if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal (" + Name() + ")");
  modal_ = true;
  modalResult_ = mrNone;
  ModalStack().push_back(this);
  TScopeExit end([this] {
    std::erase(ModalStack(), this);
    modal_ = false;
    SetVisible(false);
  });
  Show();
  if (modalResult_ == mrNone) BackEnd().RunModal(*this);
  SetVisible(false);
  OnHide(this);
  return modalResult_;
}

void TForm::Close() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  if (!canClose) return;
  if (modal_) {
    modalResult_ = mrCancel;
  } else if (Visible()) {
    SetVisible(false);
    OnHide(this);
  }
}

void TForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TWinControl::GetChildren(proc, root);
  if (root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

TComponent* ReadComponentFromContent(std::string_view content, TComponent* root, TComponent* ownerOfNew) {
  TSourcePositions positions;
  TMemoryStream stream{FormContentToBinary(content, positions)};
  TReader reader(stream);
  reader.SetSourcePositions(&positions);
  return reader.ReadRootComponent(root, ownerOfNew);
}

void TForm::LoadFromStream(TStream& stream) { ReadComponentFromContent(ReadFormStream(stream), this, nullptr); }

void TForm::LoadFromFile(const std::string& path) {
  ReadComponentFromContent(ReadFileBytes(path, kMaxFormFileBytes), this, nullptr);
}

void TForm::SaveToFile(const std::string& path, bool asText) {
  TMemoryStream binary;
  TWriter writer(binary);
  writer.WriteRootComponent(this);
  if (!asText) return WriteFileAtomically(path, binary.Data());
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(binary, text);
  WriteFileAtomically(path, text.Data());
}

namespace {
TForm* AsForm(TComponent* component) {
  if (Is<TForm>(component)) return static_cast<TForm*>(component);
  const std::string cls = component->ClassName();
  component->Free();
  throw EReadError("Class " + cls + " is not a form class");
}
}  // namespace

TForm* TForm::CreateFromFile(const std::string& path, TComponent* owner) {
  TForm* form = AsForm(ReadComponentFromContent(ReadFileBytes(path, kMaxFormFileBytes), nullptr, owner));
  form->OnCreate(form);
  return form;
}

TForm* TForm::CreateFromResource(const std::string& name, TComponent* owner) {
  const auto bytes = FindFormResource(name);
  if (!bytes) throw EReadError("Resource " + name + " not found");
  TForm* form = AsForm(ReadComponentFromContent(*bytes, nullptr, owner));
  form->OnCreate(form);
  return form;
}

void TForm::InitFromResource() { InitFromResource(UpperCase(ClassName())); }

void TForm::InitFromResource(const std::string& name) {
  if (HasState(csLoading)) return;  // constructed by the reader, which brings the layout
  const auto bytes = FindFormResource(name);
  if (!bytes) throw EReadError("Resource " + name + " not found");
  ReadComponentFromContent(*bytes, this, nullptr);
  OnCreate(this);
}

}  // namespace platform
