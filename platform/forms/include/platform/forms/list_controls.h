#pragma once
// Controls that show a list of entries: list box, combo box, radio group and
// tab set. Each keeps its entries in a TListItems that it owns; assigning
// Items (or Tabs) copies the lines and objects into that list. A sorted
// control keeps its entries in text order (ignoring ASCII case, equal texts
// in the order they came), each entry's object beside its string.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/strings.h"
#include "platform/forms/controls.h"

namespace platform {

class TListItems : public TStrings {
  LXV_CLASS(TListItems, TStrings)
 public:
  // What the owning control hears: an entry inserted or deleted at a
  // position, or -1 for the whole list changed.
  using TChangeHook = std::function<void(int index, bool inserted)>;
  explicit TListItems(TChangeHook hook = {}) : hook_(std::move(hook)) {}

  int Count() const override { return static_cast<int>(entries_.size()); }
  std::string_view Strings(int index) const override;
  void SetStrings(int index, std::string_view text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  void InsertObject(int index, std::string_view text, TObject* object) override;
  int AddObject(std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // The highlight of an entry, kept beside it as entries move.
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  void ClearSelection();

 private:
  struct TEntry {
    std::string Text;
    TObject* Object = nullptr;
    bool Selected = false;
  };
  void Check(int index, int limit) const;
  void Notify(int index, bool inserted) {
    if (hook_) hook_(index, inserted);
  }

  std::vector<TEntry> entries_;
  bool sorted_ = false;
  TChangeHook hook_;
};

// A list of entries of which one is current (ItemIndex, the caret) and any
// number highlighted (Selected). Without MultiSelect, setting ItemIndex
// highlights that entry alone; clearing a highlight leaves ItemIndex as it
// is. A click on an entry makes it current and highlighted, then OnClick.
class TListBox : public TWinControl {
  LXV_CLASS(TListBox, TWinControl)
 public:
  static constexpr std::uint32_t LB_SETCARETINDEX = 0x19E;
  static constexpr std::uint32_t LB_GETCARETINDEX = 0x19F;

  explicit TListBox(TComponent* owner);

  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value) { items_->Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  bool Selected(int index) const { return items_->Selected(index); }
  void SetSelected(int index, bool value);
  int SelCount() const;
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { multiSelect_ = value; }
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value) { extendedSelect_ = value; }
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value) { integralHeight_ = value; }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value) { itemHeight_ = value > 0 ? value : itemHeight_; }
  // The first entry shown; moved to keep the current entry in view.
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int value);

  TNotifyEvent OnDblClick;
  std::intptr_t Perform(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool TakesFocusOnClick() const override { return true; }
  void UserClick() override {}
  // A person's click on entry index.
  void UserPick(int index);
  std::vector<std::string> SnapshotEntries() const override;
  std::string SnapshotState() const override;

 protected:
  void HandleKey(std::uint16_t key, TShiftState shift) override;

 private:
  void ItemsChanged(int index, bool inserted);
  void ScrollIntoView(int index);

  std::unique_ptr<TListItems> items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool integralHeight_ = false;
  int itemHeight_ = 16;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
LXV_ENUM(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")

// An edit with a drop-down list. Choosing an entry sets ItemIndex and Text,
// then fires OnClick and OnChange, as the framework's combo box does; setting
// ItemIndex in code fires neither.
class TComboBox : public TWinControl {
  LXV_CLASS(TComboBox, TWinControl)
 public:
  explicit TComboBox(TComponent* owner);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value) { style_ = value; }
  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value) { items_->Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value) { itemHeight_ = value > 0 ? value : itemHeight_; }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = value; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  bool TakesFocusOnClick() const override { return true; }
  void UserClick() override { OnDropDown(this); }
  void UserPick(int index);
  std::vector<std::string> SnapshotEntries() const override;
  std::string SnapshotState() const override;

 protected:
  void TextChanged() override;
  void HandleChar(char key) override;

 private:
  void ItemsChanged(int index, bool inserted);

  TComboBoxStyle style_ = csDropDown;
  std::unique_ptr<TListItems> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  bool choosing_ = false;
};

// A group of radio buttons, one per entry. Setting ItemIndex to another
// valid entry fires OnClick, as the framework's radio group does (its
// checked button reports the click); setting it to -1 fires nothing.
class TRadioGroup : public TWinControl {
  LXV_CLASS(TRadioGroup, TWinControl)
 public:
  explicit TRadioGroup(TComponent* owner);

  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value) { items_->Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value) { columns_ = value > 0 ? value : 1; }

  bool TakesFocusOnClick() const override { return true; }
  void UserClick() override {}
  void UserPick(int index) { SetItemIndex(index); }
  void Loaded() override;
  std::vector<std::string> SnapshotEntries() const override;

 private:
  void ItemsChanged(int index, bool inserted);

  std::unique_ptr<TListItems> items_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

using TTabChangeEvent = TEvent<TObject*, int, bool&>;

// A row of tabs. Changing TabIndex asks OnChange (which may refuse), then
// fires OnClick, by a click or in code, as the framework's tab set does.
class TTabSet : public TWinControl {
  LXV_CLASS(TTabSet, TWinControl)
 public:
  explicit TTabSet(TComponent* owner);

  TStrings* Tabs() const { return tabs_.get(); }
  void SetTabs(const TStrings* value) { tabs_->Assign(value); }
  int TabIndex() const { return tabIndex_; }
  // Raises EListError for an index outside -1 .. Count-1.
  void SetTabIndex(int value);

  TTabChangeEvent OnChange;
  void UserClick() override {}
  bool TakesFocusOnClick() const override { return true; }
  void UserPick(int index) { SetTabIndex(index); }
  void Loaded() override;
  std::vector<std::string> SnapshotEntries() const override;

 private:
  void TabsChanged(int index, bool inserted);

  std::unique_ptr<TListItems> tabs_;
  int tabIndex_ = -1;
};

// The marker line of a list entry in a form snapshot.
std::string SnapshotEntry(std::string_view text, bool current, bool selected);

}  // namespace platform
