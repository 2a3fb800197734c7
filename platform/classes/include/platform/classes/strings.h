#pragma once
// Lists of 8-bit strings, each with an object slot beside it. The slot may
// also carry a plain integer (an LCID, say): see ObjectFromInt.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtti/events.h"
#include "platform/rtti/object.h"
#include "platform/classes/string_items.h"

namespace platform {

inline TObject* ObjectFromInt(std::int32_t value) {
  return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(value));
}
inline std::int32_t IntFromObject(const TObject* object) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(object));
}

class TStrings : public TPersistent {
  LXV_CLASS(TStrings, TPersistent)
 public:
  virtual int Count() const = 0;
  virtual const std::string& Strings(int index) const = 0;
  virtual void SetStrings(int index, const std::string& text);
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* object) = 0;
  virtual void InsertObject(int index, const std::string& text, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int AddObject(const std::string& text, TObject* object);
  int Add(const std::string& text) { return AddObject(text, nullptr); }
  void Insert(int index, const std::string& text) { InsertObject(index, text, nullptr); }
  void AddStrings(const TStrings& source);
  // Appends lines without objects, taking their text over.
  virtual void AddStrings(std::vector<std::string>&& lines);

  // First position of an equal line (ignoring ASCII case), -1 when none.
  virtual int IndexOf(std::string_view text) const;
  int IndexOfObject(const TObject* object) const;

  // Every line followed by CR LF; setting splits at CR LF, CR or LF.
  std::string Text() const;
  void SetText(std::string_view text);
  // Raises EFOpenError naming the file past kMaxTextFileBytes or
  // kMaxTextFileLines (platform/base/files.h).
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;  // replaces the file atomically

  void BeginUpdate();
  void EndUpdate();
  bool Equals(const TStrings& other) const;  // same lines in the same order

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;  // the "Strings" list of a form file

 protected:
  virtual void SetUpdateState(bool) {}
  int UpdateCount() const { return updateCount_; }

 private:
  int updateCount_ = 0;
};

// Keeps a list in its updating state for a scope: one change notice at the end.
class TStringsUpdate {
 public:
  explicit TStringsUpdate(TStrings& list) : list_(list) { list_.BeginUpdate(); }
  ~TStringsUpdate() { list_.EndUpdate(); }
  TStringsUpdate(const TStringsUpdate&) = delete;
  TStringsUpdate& operator=(const TStringsUpdate&) = delete;

 private:
  TStrings& list_;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
  LXV_CLASS(TStringList, TStrings)
 public:
  TStringList() = default;
  ~TStringList() override = default;

  int Count() const override { return items_.Size(); }
  const std::string& Strings(int index) const override;
  void SetStrings(int index, const std::string& text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  void InsertObject(int index, const std::string& text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int AddObject(const std::string& text, TObject* object) override;
  void AddStrings(std::vector<std::string>&& lines) override;
  using TStrings::AddStrings;
  // Inserts the lines (moved from) as one run at index, each with `object`,
  // as InsertObject one after the other would, with one change notice.
  void InsertObjects(int index, std::span<std::string> lines, TObject* object);
  // Into a list in byte order (InByteOrder), lines in ascending byte order
  // (moved from), without objects: each goes before the first line not less
  // than it, in one pass, with one change notice. Raises EStringListError,
  // changing nothing, when either is out of order or the list is sorted.
  void MergeLines(std::span<std::string> lines);
  int IndexOf(std::string_view text) const override;

  // Sorted mode keeps the lines in the order of CompareText (CompareStr when
  // CaseSensitive); Add then inserts at the sorted position.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }
  // Bisection over a sorted list: true when found; index is the position of
  // the line or where it would be inserted.
  bool Find(std::string_view text, int& index) const;
  void Sort();
  // No line is greater than the next in ordinal byte order (CompareStr);
  // every change of the list keeps this up to date.
  bool InByteOrder() const { return items_.Ascending(); }
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);
  // The classic bisection over the lines as they stand (TStringItems::Bisect),
  // for lists that callers keep in an order of their own.
  template <class Compare>
  int Bisect(Compare&& compare, int& lastCompare) const {
    return items_.Bisect(std::forward<Compare>(compare), lastCompare);
  }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // InsertObject for a text at the position the classic bisection (Bisect)
  // gave for it: the order of the list stays as it was without a comparison.
  void InsertBisected(int index, const std::string& text, TObject* object);
  void SetUpdateState(bool updating) override;
  void Changing();
  void Changed();

 private:
  int Compare(std::string_view a, std::string_view b) const;
  void CheckIndex(int index, int limit) const;

  TStringItems items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace platform
