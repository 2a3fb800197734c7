#pragma once
// Menus: TMainMenu (a form's menu bar) and TPopupMenu, each with a root item
// Items, and TMenuItem, a component that holds child items. An item belongs
// to its owner, not to the item or menu it sits in: Delete takes an item out
// without destroying it. Destroying an item takes it out of its parent first
// and destroys its children, as the framework does.
#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/classes/component.h"
#include "platform/rtti/events.h"

namespace platform {

class TMenu;

// A menu operation that cannot be done (an index out of range, an item that
// already sits in a menu).
class EMenuError : public Exception {
 public:
  using Exception::Exception;
};

class TMenuItem : public TComponent {
  LXV_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  void BeforeDestruction() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  // Checking a radio item unchecks the radio items of its group beside it.
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value) { radioItem_ = value; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) { groupIndex_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  // Raises EMenuError when the item already sits in a menu.
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  // Takes the item at index out; it is not destroyed.
  void Delete(int index);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu whose tree holds this item, or nullptr.
  TMenu* Menu() const;

  TNotifyEvent OnClick;
  // Fires OnClick when the item is enabled.
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 private:
  friend class TMenu;
  std::string caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item
};

class TMenu : public TComponent {
  LXV_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  void BeforeDestruction() override;

  // The root item; its children are the menu's entries.
  TMenuItem* Items() const { return items_; }

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 private:
  TMenuItem* items_;
};

class TMainMenu : public TMenu {
  LXV_CLASS(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool value) { autoMerge_ = value; }

 private:
  bool autoMerge_ = false;
};

class TPopupMenu : public TMenu {
  LXV_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  TNotifyEvent OnPopup;
  // The menu as a person opens it: OnPopup.
  void Popup() { OnPopup(this); }

 private:
  bool autoPopup_ = true;
};

}  // namespace platform
