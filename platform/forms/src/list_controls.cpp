#include "platform/forms/list_controls.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/base/collation.h"
#include "platform/base/text.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {

std::string SnapshotEntry(std::string_view text, bool current, bool selected) {
  std::string entry = current ? ">" : " ";
  entry += selected ? "* " : "  ";
  entry += text;
  return entry;
}

// --- TListItems

LXV_EMPTY_CLASS_INFO(TListItems)

void TListItems::Check(int index, int limit) const {
  if (index < 0 || index >= limit) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string_view TListItems::Strings(int index) const {
  Check(index, Count());
  return entries_[static_cast<std::size_t>(index)].Text;
}

TObject* TListItems::Objects(int index) const {
  Check(index, Count());
  return entries_[static_cast<std::size_t>(index)].Object;
}

void TListItems::SetObjects(int index, TObject* object) {
  Check(index, Count());
  entries_[static_cast<std::size_t>(index)].Object = object;
}

void TListItems::SetStrings(int index, std::string_view text) {
  Check(index, Count());
  if (!sorted_) {
    entries_[static_cast<std::size_t>(index)].Text = text;
    return Notify(-1, false);
  }
  TObject* object = Objects(index);
  Delete(index);
  AddObject(text, object);
}

void TListItems::InsertObject(int index, std::string_view text, TObject* object) {
  if (sorted_) {
    AddObject(text, object);  // a sorted list decides the position itself
    return;
  }
  Check(index, Count() + 1);
  entries_.insert(entries_.begin() + index, TEntry{std::string(text), object, false});
  Notify(index, true);
}

int TListItems::AddObject(std::string_view text, TObject* object) {
  auto at = entries_.end();
  if (sorted_)
    at = std::upper_bound(entries_.begin(), entries_.end(), text,
                          [](std::string_view t, const TEntry& e) { return AnsiCompareText(t, e.Text) < 0; });
  const int index = static_cast<int>(at - entries_.begin());
  entries_.insert(at, TEntry{std::string(text), object, false});
  Notify(index, true);
  return index;
}

void TListItems::Delete(int index) {
  Check(index, Count());
  entries_.erase(entries_.begin() + index);
  Notify(index, false);
}

void TListItems::Clear() {
  entries_.clear();
  Notify(-1, false);
}

void TListItems::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!value) return;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const TEntry& a, const TEntry& b) { return AnsiCompareText(a.Text, b.Text) < 0; });
  Notify(-1, false);
}

bool TListItems::Selected(int index) const {
  Check(index, Count());
  return entries_[static_cast<std::size_t>(index)].Selected;
}

void TListItems::SetSelected(int index, bool value) {
  Check(index, Count());
  entries_[static_cast<std::size_t>(index)].Selected = value;
}

void TListItems::ClearSelection() {
  for (TEntry& e : entries_) e.Selected = false;
}

namespace {
// The index a control keeps when its list changes at `index`.
int Follow(int current, int index, bool inserted) {
  if (index < 0) return -1;
  if (inserted) return current >= index ? current + 1 : current;
  if (current == index) return -1;
  return current > index ? current - 1 : current;
}

void CheckIndex(int value, int count, const std::string& what) {
  if (value < -1 || value >= count) throw EListError(what + " index out of bounds (" + std::to_string(value) + ")");
}
}  // namespace

// --- TListBox

TClass TListBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TListBox> b("TListBox");
    PublishBounds(b);
    PublishWinControlCommon(b, {.ParentColor = false});
    return b.Property("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(1)
        .Property("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(0)
        .Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
        .Property("Items", &TListBox::Items, &TListBox::SetItems)
        .Property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(0)
        .Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(0)
        .Event<TNotifyEvent>("OnClick", &TListBox::OnClick)
        .Event<TNotifyEvent>("OnDblClick", &TListBox::OnDblClick)
        .Event<TNotifyEvent>("OnEnter", &TListBox::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TListBox::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TListBox::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TListBox::OnKeyPress)
        .Build();
  }();
  return &info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListItems>([this](int i, bool ins) { ItemsChanged(i, ins); })) {
  SetBounds(0, 0, 121, 97);
  SetDefaultColor(clWindow, false);
}

void TListBox::ItemsChanged(int index, bool inserted) {
  itemIndex_ = Follow(itemIndex_, index, inserted);
  topIndex_ = std::clamp(topIndex_, 0, std::max(0, items_->Count() - 1));
  Changed(TPeerChange::Items);
}

void TListBox::SetItemIndex(int value) {
  CheckIndex(value, items_->Count(), "List box");
  itemIndex_ = value;
  if (!multiSelect_) {
    items_->ClearSelection();
    if (value >= 0) items_->SetSelected(value, true);
  }
  if (value >= 0) ScrollIntoView(value);
  Changed(TPeerChange::Selection);
}

void TListBox::SetSelected(int index, bool value) {
  if (!multiSelect_ && value) return SetItemIndex(index);
  items_->SetSelected(index, value);
  Changed(TPeerChange::Selection);
}

int TListBox::SelCount() const {
  int n = 0;
  for (int i = 0; i < items_->Count(); ++i) n += items_->Selected(i) ? 1 : 0;
  return n;
}

void TListBox::SetTopIndex(int value) {
  topIndex_ = std::clamp(value, 0, std::max(0, items_->Count() - 1));
  Changed(TPeerChange::Selection);
}

void TListBox::ScrollIntoView(int index) {
  const int rows = std::max(1, Height() / itemHeight_);
  if (index < topIndex_) topIndex_ = index;
  else if (index >= topIndex_ + rows) topIndex_ = index - rows + 1;
}

std::intptr_t TListBox::Perform(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == LB_GETCARETINDEX) return itemIndex_;
  if (message != LB_SETCARETINDEX) return TWinControl::Perform(message, wParam, lParam);
  // Moves the caret and scrolls to it; the highlights stay as they are.
  const auto index = static_cast<int>(wParam);
  if (index < 0 || index >= items_->Count()) return -1;  // LB_ERR
  itemIndex_ = index;
  ScrollIntoView(index);
  Changed(TPeerChange::Selection);
  return 0;
}

void TListBox::UserPick(int index) {
  CheckIndex(index, items_->Count(), "List box");
  if (index < 0) return;
  if (multiSelect_) {
    itemIndex_ = index;
    SetSelected(index, !items_->Selected(index));
  } else {
    SetItemIndex(index);
  }
  Click();
}

void TListBox::HandleKey(std::uint16_t key, TShiftState) {
  const int count = items_->Count();
  if (count == 0 || (key != VK_UP && key != VK_DOWN && key != VK_HOME && key != VK_END)) return;
  int next = itemIndex_;
  if (key == VK_UP) next = std::max(0, itemIndex_ - 1);
  if (key == VK_DOWN) next = std::min(count - 1, itemIndex_ + 1);
  if (key == VK_HOME) next = 0;
  if (key == VK_END) next = count - 1;
  if (next == itemIndex_) return;
  SetItemIndex(next);
  Click();
}

std::vector<std::string> TListBox::SnapshotEntries() const {
  std::vector<std::string> out;
  for (int i = 0; i < items_->Count(); ++i) out.emplace_back(SnapshotEntry(items_->Strings(i), i == itemIndex_, items_->Selected(i)));
  return out;
}

std::string TListBox::SnapshotState() const { return "index " + std::to_string(itemIndex_); }

// --- TComboBox

TClass TComboBox::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TComboBox> b("TComboBox");
    PublishBounds(b);
    // Style comes first: it decides how the rest is read.
    b.Property("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
    PublishWinControlCommon(b, {.ParentColor = false});
    return b.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8)
        .Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight)
        .Property("Items", &TComboBox::Items, &TComboBox::SetItems)
        .Property("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0)
        .Property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(0)
        .Property("Text", &TComboBox::Text, &TComboBox::SetText)
        .Event<TNotifyEvent>("OnChange", &TComboBox::OnChange)
        .Event<TNotifyEvent>("OnClick", &TComboBox::OnClick)
        .Event<TNotifyEvent>("OnDropDown", &TComboBox::OnDropDown)
        .Event<TNotifyEvent>("OnEnter", &TComboBox::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TComboBox::OnExit)
        .Event<TKeyEvent>("OnKeyDown", &TComboBox::OnKeyDown)
        .Event<TKeyPressEvent>("OnKeyPress", &TComboBox::OnKeyPress)
        .Build();
  }();
  return &info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListItems>([this](int i, bool ins) { ItemsChanged(i, ins); })) {
  SetBounds(0, 0, 145, 24);
  SetDefaultColor(clWindow, false);
}

void TComboBox::ItemsChanged(int index, bool inserted) {
  const int before = itemIndex_;
  itemIndex_ = Follow(itemIndex_, index, inserted);
  if (before >= 0 && itemIndex_ < 0) TWinControl::SetText("");
  Changed(TPeerChange::Items);
}

void TComboBox::SetItemIndex(int value) {
  CheckIndex(value, items_->Count(), "Combo box");
  itemIndex_ = value;
  choosing_ = true;
  TWinControl::SetText(value >= 0 ? std::string(items_->Strings(value)) : std::string());
  choosing_ = false;
  Changed(TPeerChange::Selection);
}

void TComboBox::TextChanged() {
  // Text typed or assigned selects the entry of that text, if there is one.
  if (!choosing_) itemIndex_ = Text().empty() ? -1 : items_->IndexOf(Text());
  if (!choosing_ && style_ != csDropDownList && !HasState(csLoading)) OnChange(this);
}

void TComboBox::UserPick(int index) {
  CheckIndex(index, items_->Count(), "Combo box");
  if (index < 0) return;
  SetItemIndex(index);
  Click();
  OnChange(this);
}

void TComboBox::HandleChar(char key) {
  if (style_ == csDropDownList) return;
  if (key == '\b') return SetText(Text().empty() ? Text() : Text().substr(0, Text().size() - 1));
  if (static_cast<unsigned char>(key) >= ' ') SetText(Text() + key);
}

std::vector<std::string> TComboBox::SnapshotEntries() const {
  std::vector<std::string> out;
  for (int i = 0; i < items_->Count(); ++i) out.emplace_back(SnapshotEntry(items_->Strings(i), i == itemIndex_, false));
  return out;
}

std::string TComboBox::SnapshotState() const { return "index " + std::to_string(itemIndex_); }

// --- TRadioGroup

TClass TRadioGroup::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TRadioGroup> b("TRadioGroup");
    PublishBounds(b);
    PublishWinControlCommon(b, {.Caption = true});
    return b.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1)
        .Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1)
        .Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
        .Event<TNotifyEvent>("OnClick", &TRadioGroup::OnClick)
        .Event<TNotifyEvent>("OnEnter", &TRadioGroup::OnEnter)
        .Event<TNotifyEvent>("OnExit", &TRadioGroup::OnExit)
        .Build();
  }();
  return &info;
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListItems>([this](int i, bool ins) { ItemsChanged(i, ins); })) {
  SetBounds(0, 0, 185, 105);
  SetDefaultColor(clBtnFace, true);
}

void TRadioGroup::ItemsChanged(int index, bool inserted) {
  if (HasState(csLoading)) return;  // the stored ItemIndex may come before the entries
  itemIndex_ = Follow(itemIndex_, index, inserted);
  Changed(TPeerChange::Items);
}

void TRadioGroup::SetItemIndex(int value) {
  if (HasState(csLoading)) {
    itemIndex_ = value;
    return;
  }
  CheckIndex(value, items_->Count(), "Radio group");
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Changed(TPeerChange::Selection);
  if (value >= 0) Click();  // the newly checked button reports its click
}

void TRadioGroup::Loaded() {
  TWinControl::Loaded();
  if (itemIndex_ < -1 || itemIndex_ >= items_->Count()) itemIndex_ = -1;
}

std::vector<std::string> TRadioGroup::SnapshotEntries() const {
  std::vector<std::string> out;
  for (int i = 0; i < items_->Count(); ++i) out.emplace_back(SnapshotEntry(items_->Strings(i), i == itemIndex_, i == itemIndex_));
  return out;
}

// --- TTabSet

TClass TTabSet::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TTabSet> b("TTabSet");
    PublishBounds(b);
    PublishWinControlCommon(b, {.Color = false, .ParentFont = false, .TabOrder = false, .TabStop = false});
    return b.Property("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs)
        .Property("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex).Default(-1)
        .Event("OnChange", &TTabSet::OnChange)
        .Event<TNotifyEvent>("OnClick", &TTabSet::OnClick)
        .Build();
  }();
  return &info;
}

TTabSet::TTabSet(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TListItems>([this](int i, bool ins) { TabsChanged(i, ins); })) {
  SetBounds(0, 0, 185, 21);
}

void TTabSet::TabsChanged(int index, bool inserted) {
  if (HasState(csLoading)) return;
  tabIndex_ = Follow(tabIndex_, index, inserted);
  Changed(TPeerChange::Items);
}

void TTabSet::SetTabIndex(int value) {
  if (HasState(csLoading)) {
    tabIndex_ = value;
    return;
  }
  if (value == tabIndex_) return;
  CheckIndex(value, tabs_->Count(), "Tab");
  bool allow = true;
  OnChange(this, value, allow);
  if (!allow) return;
  tabIndex_ = value;
  Changed(TPeerChange::Selection);
  Click();
}

void TTabSet::Loaded() {
  TWinControl::Loaded();
  if (tabIndex_ < -1 || tabIndex_ >= tabs_->Count()) tabIndex_ = -1;
}

std::vector<std::string> TTabSet::SnapshotEntries() const {
  std::vector<std::string> out;
  for (int i = 0; i < tabs_->Count(); ++i) out.emplace_back(SnapshotEntry(tabs_->Strings(i), i == tabIndex_, i == tabIndex_));
  return out;
}

namespace {
const bool kRegistered = (RegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass(),
                                           TRadioGroup::StaticClass(), TTabSet::StaticClass()}),
                          true);
}  // namespace

}  // namespace platform
