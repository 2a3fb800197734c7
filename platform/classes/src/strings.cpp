#include "platform/classes/strings.h"

#include <algorithm>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text_lines.h"
#include "platform/rtti/published.h"
#include "platform/base/text.h"

namespace platform {

TClass TStrings::StaticClass() {
  static const TClassInfo info = TClassBuilder<TStrings>("TStrings").Build();
  return &info;
}

void TStrings::SetStrings(int index, std::string_view text) {
  TObject* object = Objects(index);
  Delete(index);
  InsertObject(index, text, object);
}

int TStrings::AddObject(std::string_view text, TObject* object) {
  const int index = Count();
  InsertObject(index, text, object);
  return index;
}

void TStrings::AddStrings(const TStrings& source) {
  if (&source == this) {
    // The loop below would chase the lines it adds: add a copy instead.
    TStringList copy;
    copy.AddStrings(source);
    return AddStrings(copy);
  }
  TStringsUpdate update(*this);
  for (int i = 0; i < source.Count(); ++i) AddObject(source.Strings(i), source.Objects(i));
}

void TStrings::AddStrings(std::span<const std::string_view> lines) {
  TStringsUpdate update(*this);
  for (std::string_view line : lines) AddObject(line, nullptr);
}

void TStrings::AddStrings(std::span<const std::string> lines) {
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  AddStrings(std::span<const std::string_view>(views));
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Strings(i), text)) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == object) return i;
  return -1;
}

std::string TStrings::Text() const {
  // One pass to size the text, so that appending never moves what is built.
  std::size_t size = 0;
  for (int i = 0; i < Count(); ++i) size += Strings(i).size() + 2;
  std::string text;
  text.reserve(size);
  for (int i = 0; i < Count(); ++i) {
    text += Strings(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) { SetLines(SplitLines(text)); }

void TStrings::SetLines(std::span<const std::string_view> lines) {
  TStringsUpdate update(*this);
  Clear();
  AddStrings(lines);
}

void TStrings::LoadFromFile(const std::string& path) {
  const TTextFile file(path);
  SetLines(file.Lines());
}

void TStrings::SaveToFile(const std::string& path) const { WriteFileAtomically(path, Text()); }

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Strings(i) != other.Strings(i)) return false;
  return true;
}

void TStrings::Assign(const TPersistent* source) {
  if (const auto* strings = DynCast<TStrings>(source)) {
    if (strings == this) return;
    TStringsUpdate update(*this);
    Clear();
    AddStrings(*strings);
    return;
  }
  TPersistent::Assign(source);
}

TClass TStringList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TStringList>("TStringList").Build();
  return &info;
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit)
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string_view TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return items_.At(index).Text;
}

void TStringList::SetStrings(int index, std::string_view text) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count());
  Changing();
  items_.SetText(index, text);
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index, Count());
  return items_.At(index).Object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index, Count());
  Changing();
  items_.SetObject(index, object);
  Changed();
}

void TStringList::InsertObject(int index, std::string_view text, TObject* object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count() + 1);
  Changing();
  items_.Insert(index, text, object);
  Changed();
}

void TStringList::InsertBisected(int index, std::string_view text, TObject* object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count() + 1);
  Changing();
  items_.InsertBisected(index, text, object);
  Changed();
}

void TStringList::InsertObjects(int index, std::span<const std::string_view> lines, TObject* object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index, Count() + 1);
  if (lines.empty()) return;
  Changing();
  items_.InsertRun(index, lines, object);
  Changed();
}

void TStringList::MergeLines(std::span<const std::string_view> lines) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  const auto descending = [](std::string_view a, std::string_view b) { return a.compare(b) > 0; };
  if (!InByteOrder() || std::adjacent_find(lines.begin(), lines.end(), descending) != lines.end())
    throw EStringListError("Lines to merge are not in byte order");
  if (lines.empty()) return;
  Changing();
  items_.MergeAscending(lines);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.Erase(index);
  Changed();
}

void TStringList::Clear() {
  if (Count() == 0) return;
  Changing();
  items_.Clear();
  Changed();
}

int TStringList::AddObject(std::string_view text, TObject* object) {
  if (!sorted_) return TStrings::AddObject(text, object);
  int index = 0;
  if (Find(text, index)) {
    if (duplicates_ == TDuplicates::dupIgnore) return index;
    if (duplicates_ == TDuplicates::dupError)
      throw EStringListError("String list does not allow duplicates ('" + std::string(text) + "')");
  }
  Changing();
  items_.Insert(index, text, object);
  Changed();
  return index;
}

void TStringList::AddStrings(std::span<const std::string_view> lines) {
  if (sorted_) return TStrings::AddStrings(lines);
  if (lines.empty()) return;
  Changing();
  items_.Append(lines);
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  if (!sorted_) {
    for (int i = 0; i < Count(); ++i)
      if (Compare(items_.At(i).Text, text) == 0) return i;
    return -1;
  }
  int index = 0;
  return Find(text, index) ? index : -1;
}

int TStringList::Compare(std::string_view a, std::string_view b) const {
  return caseSensitive_ ? CompareStr(a, b) : CompareText(a, b);
}

bool TStringList::Find(std::string_view text, int& index) const {
  int low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int c = Compare(items_.At(middle).Text, text);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        // Without duplicates any equal line is the one; with them, the first.
        if (duplicates_ != TDuplicates::dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::SetSorted(bool value) {
  if (value == sorted_) return;
  if (value) Sort();
  sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (value == caseSensitive_) return;
  caseSensitive_ = value;
  if (sorted_) Sort();
}

void TStringList::Sort() {
  CustomSort([](const TStringList& list, int a, int b) {
    return list.Compare(list.items_.At(a).Text, list.items_.At(b).Text);
  });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
  if (Count() < 2) return;
  Changing();
  // Sort a permutation so that the comparison sees the list as it stands.
  std::vector<int> order(static_cast<std::size_t>(Count()));
  for (int i = 0; i < Count(); ++i) order[static_cast<std::size_t>(i)] = i;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  items_.Reorder(order);
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  updating ? Changing() : Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

}  // namespace platform
