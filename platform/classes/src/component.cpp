#include "platform/classes/component.h"

#include <algorithm>
#include <utility>

#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TComponent::StaticClass() {
  static const TClassInfo info = TClassBuilder<TComponent>("TComponent")
      .ComponentRoot()
      .Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false)
      .Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0)
      .Build();
  return &info;
}

namespace {
// The state Construct hands to the component it constructs. The first
// TComponent constructor to run, the outermost object's, takes it, before any
// component that constructor creates could.
thread_local TComponentState t_initialState;
}  // namespace

TComponent* TComponent::Construct(TClass cls, TComponent* owner, TComponentState initial) {
  t_initialState = initial;
  TScopeExit clear([] { t_initialState = TComponentState(); });
  return static_cast<TComponent*>(cls->Construct(owner));
}

TComponent::TComponent(TComponent* owner) : state_(std::exchange(t_initialState, TComponentState())) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Normally done by Free() while the derived parts still existed.
  NotifyAllRemoved();
}

void TComponent::BeforeDestruction() { NotifyAllRemoved(); }

void TComponent::NotifyAllRemoved() {
  if (notified_) return;
  notified_ = true;
  Destroying();
  // Each notified component unlinks itself through RemoveFreeNotification.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    other->Notification(this, opRemove);
    if (!freeNotifies_.empty() && freeNotifies_.back() == other) RemoveFreeNotification(other);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const std::string& name) {
  if (name_ == name) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_ != nullptr) {
    owner_->ValidateRename(this, name_, name);
  } else {
    ValidateRename(nullptr, name_, name);
  }
  ChangeName(name);
}

void TComponent::ValidateRename(TComponent* component, const std::string& oldName, const std::string& newName) {
  if (component == nullptr || newName.empty() || SameText(oldName, newName)) return;
  TComponent* existing = FindComponent(newName);
  if (existing != nullptr && existing != component)
    throw EComponentError("A component named " + newName + " already exists");
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  value ? state_.Include(csDesigning) : state_.Exclude(csDesigning);
  if (setChildren)
    for (TComponent* c : components_) c->SetDesigning(value);
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, "", component->name_);
  Insert(component);
  if (HasState(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  if (component->owner_ != nullptr) component->owner_->Remove(component);
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
  ClearField(component);
}

// A published field must not keep pointing to a component this one no
// longer owns.
void TComponent::ClearField(const TComponent* component) {
  const TFieldInfo* field = ClassType()->FindField(component->name_);
  if (field != nullptr && field->Get(*this) == component) field->Set(*this, nullptr);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    Remove(c);
    c->Free();
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) { std::erase(freeNotifies_, component); }

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
  // Index walk: a notified component may free others.
  for (std::size_t i = components_.size(); i-- > 0;) {
    if (i < components_.size()) components_[i]->Notification(component, operation);
  }
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  const auto half = [this](int shift) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(designInfo_) >> shift);
  };
  const auto setHalf = [this](int shift, std::int32_t value) {
    const std::uint32_t others = static_cast<std::uint32_t>(designInfo_) & ~(0xFFFFu << shift);
    designInfo_ = static_cast<std::int32_t>(others | static_cast<std::uint32_t>(static_cast<std::uint16_t>(value)) << shift);
  };
  filer.DefineProperty(
      "Left", [=](TReader& r) { setHalf(0, r.ReadInteger()); }, [=](TWriter& w) { w.WriteInteger(half(0)); },
      half(0) != 0);
  filer.DefineProperty(
      "Top", [=](TReader& r) { setHalf(16, r.ReadInteger()); }, [=](TWriter& w) { w.WriteInteger(half(16)); },
      half(16) != 0);
}

}  // namespace platform
