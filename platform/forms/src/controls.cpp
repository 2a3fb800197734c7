#include "platform/forms/controls.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/forms/form.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TControl::StaticClass() {
  // The concrete classes publish what their form files store (PublishBounds).
  static const TClassInfo info = TClassBuilder<TControl>("TControl").Build();
  return &info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() { DetachFromParent(false); }

void TControl::BeforeDestruction() {
  DestroyPeers();
  DetachFromParent(true);
  TComponent::BeforeDestruction();
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_ != nullptr) c = c->parent_;
  return Is<TForm>(c) ? static_cast<TForm*>(const_cast<TControl*>(c)) : nullptr;
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (parent == nullptr) return SetParent(nullptr);
  auto* windowed = DynCast<TWinControl>(parent);
  if (windowed == nullptr)
    throw EInvalidOperation("Control " + Name() + " cannot have " + parent->ClassName() + " as its parent");
  SetParent(windowed);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (const TControl* p = parent; p != nullptr; p = p->parent_)
    if (p == this) throw EInvalidOperation("Control " + Name() + " cannot be its own parent");
  DetachFromParent();
  if (parent == nullptr) return;
  parent_ = parent;
  auto& list = parent->controls_;
  if (Is<TWinControl>(this)) {
    list.push_back(this);
    auto* self = static_cast<TWinControl*>(this);
    self->tabOrder_ = static_cast<int>(parent->TabList().size()) - 1;  // last, until a stored TabOrder says otherwise
  } else {
    // Graphic controls lie below every windowed sibling.
    auto firstWindowed = std::find_if(list.begin(), list.end(), [](TControl* c) { return Is<TWinControl>(c); });
    list.insert(firstWindowed, this);
  }
  ParentChanged();
  if (parent->Peer() != nullptr) CreatePeers();
}

void TControl::DetachFromParent(bool notify) {
  if (parent_ == nullptr) return;
  if (TForm* form = ParentForm()) form->ForgetFocus(this, notify);
  DestroyPeers();
  std::erase(parent_->controls_, this);
  TWinControl* old = parent_;
  parent_ = nullptr;
  if (Is<TWinControl>(this)) old->SortTabOrder();
}

void TControl::ParentChanged() {
  InheritFromParent();
  Changed(TPeerChange::Parent);
}

void TControl::InheritFromParent() {
  if (parent_ == nullptr) return;
  if (parentFont_) {
    inheriting_ = true;
    try {
      font_->Assign(parent_->Font());
    } catch (...) {
      inheriting_ = false;
      throw;
    }
    inheriting_ = false;
  }
  if (parentColor_ && color_ != parent_->Color()) {
    color_ = parent_->Color();
    Changed(TPeerChange::Color);
  }
  if (parentShowHint_) showHint_ = parent_->ShowHint();
}

TPoint TControl::ClientOrigin() const {
  if (parent_ == nullptr) return {left_, top_};
  const TPoint origin = parent_->ClientOrigin();
  return {origin.X + left_, origin.Y + top_};
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed(TPeerChange::Bounds);
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  if (!value)
    if (TForm* form = ParentForm(); form != nullptr && form != this) form->ForgetFocus(this);
  Changed(TPeerChange::Visible);
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (!value)
    if (TForm* form = ParentForm(); form != nullptr && form != this) form->ForgetFocus(this);
  Changed(TPeerChange::Enabled);
}

bool TControl::Usable() const {
  for (const TControl* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_) return false;
    // A form that is not shown yet still lets its controls be used: scripts
    // and tests drive forms that were never put on a screen.
    if (!c->visible_ && !Is<TForm>(c)) return false;
  }
  return true;
}

void TControl::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  Changed(TPeerChange::Text);
  TextChanged();
}

void TControl::FontChanged() {
  if (!inheriting_) parentFont_ = false;
  Changed(TPeerChange::Font);
}

void TControl::SetParentFont(bool value) {
  if (value == parentFont_) return;
  parentFont_ = value;
  if (value) InheritFromParent();
}

void TControl::SetColor(TColor value) {
  parentColor_ = false;
  if (value == color_) return;
  color_ = value;
  Changed(TPeerChange::Color);
  if (auto* self = DynCast<TWinControl>(this))
    for (int i = 0; i < self->ControlCount(); ++i) self->Controls(i)->InheritFromParent();
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (value) InheritFromParent();
}

void TControl::SetDefaultColor(TColor color, bool parentColor) {
  color_ = color;
  parentColor_ = parentColor;
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  showHint_ = value;
}

void TControl::SetParentShowHint(bool value) {
  if (value == parentShowHint_) return;
  parentShowHint_ = value;
  if (value) InheritFromParent();
}

std::intptr_t TControl::Perform(std::uint32_t, std::uintptr_t, std::intptr_t) { return 0; }

void TControl::Changed(TPeerChange change) {
  if (peer_) peerBackEnd_->UpdatePeer(*this, *peer_, change);
}

void TControl::CreatePeers() {
  if (peer_) return;
  peerBackEnd_ = SharedBackEnd();
  peer_ = peerBackEnd_->CreatePeer(*this);
}

void TControl::DestroyPeers() {
  if (!peer_) return;
  std::shared_ptr<TBackEnd> backEnd = std::move(peerBackEnd_);
  backEnd->DestroyPeer(*this, std::move(peer_));
}

// --- TWinControl

LXV_EMPTY_CLASS_INFO(TWinControl)

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  for (TControl* c : controls_) c->parent_ = nullptr;
}

void TWinControl::BeforeDestruction() {
  // As the framework does: a windowed control takes its children with it.
  while (!controls_.empty()) controls_.back()->Free();
  TControl::BeforeDestruction();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount())
    throw EListError("Control index out of bounds (" + std::to_string(index) + ")");
  return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) { control->SetParent(this); }

void TWinControl::RemoveControl(TControl* control) {
  if (control != nullptr && control->Parent() == this) control->SetParent(nullptr);
}

std::vector<TWinControl*> TWinControl::TabList() const {
  std::vector<TWinControl*> list;
  for (TControl* c : controls_)
    if (Is<TWinControl>(c)) list.push_back(static_cast<TWinControl*>(c));
  std::stable_sort(list.begin(), list.end(), [](TWinControl* a, TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
  return list;
}

void TWinControl::SortTabOrder() {
  const std::vector<TWinControl*> list = TabList();
  for (std::size_t i = 0; i < list.size(); ++i) list[i]->tabOrder_ = static_cast<int>(i);
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  if (HasState(csLoading)) return tabOrder_;
  const std::vector<TWinControl*> list = Parent()->TabList();
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (Parent() == nullptr || HasState(csLoading)) {
    tabOrder_ = value;
    return;
  }
  std::vector<TWinControl*> list = Parent()->TabList();
  std::erase(list, this);
  const auto at = static_cast<std::size_t>(std::clamp(value, 0, static_cast<int>(list.size())));
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
  for (std::size_t i = 0; i < list.size(); ++i) list[i]->tabOrder_ = static_cast<int>(i);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  SortTabOrder();
}

bool TWinControl::CanFocus() const { return Usable(); }

bool TWinControl::Focused() const {
  const TForm* form = ParentForm();
  return form != nullptr && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
  TForm* form = ParentForm();
  if (form == nullptr) throw EInvalidOperation("Cannot focus " + Name() + ": it is not on a form");
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window (" + Name() + ")");
  form->FocusControl(this);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  OnKeyDown(this, key, shift);
  if (key != 0) HandleKey(key, shift);
}

void TWinControl::KeyPress(char& key) {
  OnKeyPress(this, key);
  if (key != 0) HandleChar(key);
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* c : controls_) c->InheritFromParent();
}

void TWinControl::ParentChanged() {
  TControl::ParentChanged();
  for (TControl* c : controls_) c->InheritFromParent();
}

void TWinControl::CreatePeers() {
  TControl::CreatePeers();
  for (TControl* c : controls_) c->CreatePeers();
}

void TWinControl::DestroyPeers() {
  for (TControl* c : controls_) c->DestroyPeers();
  TControl::DestroyPeers();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TControl* c : controls_)
    if (c->Owner() == root) proc(c);
}

}  // namespace platform
