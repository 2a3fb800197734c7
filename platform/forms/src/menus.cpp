#include "platform/forms/menus.h"

#include <algorithm>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TMenuItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenuItem>("TMenuItem")
      .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(0)
      .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(1)
      .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0)
      .Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
      .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(0)
      .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(1)
      .Event<TNotifyEvent>("OnClick", &TMenuItem::OnClick)
      .Build();
  return &info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (parent_ != nullptr) std::erase(parent_->items_, this);
  for (TMenuItem* child : items_) child->parent_ = nullptr;
}

void TMenuItem::BeforeDestruction() {
  if (parent_ != nullptr) parent_->Remove(this);
  while (!items_.empty()) items_.back()->Free();
  TComponent::BeforeDestruction();
}

void TMenuItem::SetChecked(bool value) {
  checked_ = value;
  if (!value || !radioItem_ || parent_ == nullptr) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) return;
  if (item->parent_ != nullptr) throw EMenuError("Menu item '" + item->Caption() + "' inserted twice");
  if (index < 0 || index > Count()) throw EMenuError("Menu index out of range (" + std::to_string(index) + ")");
  for (const TMenuItem* p = this; p != nullptr; p = p->parent_)
    if (p == item) throw EMenuError("Menu item '" + item->Caption() + "' cannot hold itself");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) throw EMenuError("Menu item " + (item ? item->Name() : std::string("nil")) + " not found");
  Delete(index);
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_ != nullptr) parent_->Remove(this);
  if (auto* menu = DynCast<TMenu>(parent)) return menu->Items()->Add(this);
  if (auto* item = DynCast<TMenuItem>(parent)) return item->Add(this);
  if (parent != nullptr) throw EMenuError("Menu item " + Name() + " cannot sit in " + parent->ClassName());
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TMenuItem* item : items_)
    if (item->Owner() == root) proc(item);
}

// --- menus

LXV_EMPTY_CLASS_INFO(TMenu)

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  if (items_ != nullptr) {
    items_->menu_ = nullptr;
    delete items_;
  }
}

void TMenu::BeforeDestruction() {
  // The root item is the menu's own; its children go with it.
  TMenuItem* root = std::exchange(items_, nullptr);
  root->menu_ = nullptr;
  root->Free();
  TComponent::BeforeDestruction();
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  items_->GetChildren(proc, root);
}

TClass TMainMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMainMenu>("TMainMenu")
      .Property("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(0)
      .Build();
  return &info;
}

TClass TPopupMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPopupMenu>("TPopupMenu")
      .Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(1)
      .Event<TNotifyEvent>("OnPopup", &TPopupMenu::OnPopup)
      .Build();
  return &info;
}

namespace {
const bool kRegistered = (RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(),
                                           TPopupMenu::StaticClass()}),
                          true);
}  // namespace

}  // namespace platform
