#pragma once
// TComponent: named objects owned by other components. An owner frees what it
// owns; components of other owners can ask to hear of each other's destruction.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtti/object.h"
#include "platform/base/set.h"

namespace platform {

enum TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  LXV_CLASS(TComponent, TPersistent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;  // position in the owner's list, -1 without owner

  const std::string& Name() const { return name_; }
  // Raises EComponentError for a bad identifier or a name the owner already has.
  void SetName(const std::string& name);
  std::int64_t Tag() const { return tag_; }
  void SetTag(std::int64_t tag) { tag_ = tag; }

  // Case-insensitive; nullptr when no owned component has that name.
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateItem item) const { return state_.Contains(item); }
  // For the filer and the designer, which drive the state of what they handle.
  void SetState(TComponentStateItem item) { state_.Include(item); }
  void ClearState(TComponentStateItem item) { state_.Exclude(item); }
  // Sets or clears csDesigning here and, by default, on everything owned.
  void SetDesigning(bool value, bool setChildren = true);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  void Destroying();  // sets csDestroying here and on everything owned

  // Asks to be told (Notification with opRemove) when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  virtual void Loaded();
  virtual void Notification(TComponent* component, TOperation operation);

  // Streaming hooks. Children are the components written nested inside this
  // one when `root` is written; a component with a parent is nested there.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}

  std::string GetNamePath() const override { return name_; }

  // Where a designer shows a component that has no place of its own on the
  // form: Left in the low 16 bits, Top in the high 16, both signed. Streamed
  // as the defined properties "Left" and "Top", each when not zero, before
  // the defined properties of descendants.
  std::int32_t DesignInfo() const { return designInfo_; }
  void SetDesignInfo(std::int32_t value) { designInfo_ = value; }
  void DefineProperties(TFiler& filer) override;

  // Constructs a component of `cls` (a component class that can be
  // constructed) whose state holds `initial` from its first constructor on,
  // so that constructors already see it. The reader constructs the root it
  // reads into with csLoading: a form's constructor then leaves loading its
  // layout to the reader.
  static TComponent* Construct(TClass cls, TComponent* owner, TComponentState initial);

 protected:
  virtual void ValidateRename(TComponent* component, const std::string& oldName, const std::string& newName);
  void ChangeName(const std::string& name) { name_ = name; }

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveNotification(TComponent* component);
  void NotifyAllRemoved();
  void ClearField(const TComponent* component);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  std::int64_t tag_ = 0;
  std::int32_t designInfo_ = 0;
  TComponentState state_;
  bool notified_ = false;  // removal has been announced
};

}  // namespace platform
