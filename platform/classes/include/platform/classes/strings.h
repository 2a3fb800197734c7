#pragma once
// Lists of 8-bit strings, each with an object slot beside it. The slot may
// also carry a plain integer (an LCID, say): see ObjectFromInt. A list owns
// its lines, never the objects beside them: freeing or clearing a list frees
// no object. Threads: one at a time; a list does no locking.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/scope_exit.h"
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

// The abstract list. Descendants store the lines and raise for a bad index;
// what they raise and which events they fire is theirs (TStringList below).
// The members built on the primitives raise what the primitives raise.
class TStrings : public TPersistent {
  LXV_CLASS(TStrings, TPersistent)
 public:
  virtual int Count() const = 0;
  // The text stays valid until the list next changes.
  virtual std::string_view Strings(int index) const = 0;
  // Here Delete then InsertObject, the object kept.
  virtual void SetStrings(int index, std::string_view text);
  virtual TObject* Objects(int index) const = 0;
  // `object` is stored, not owned (nor is the one it replaces freed).
  virtual void SetObjects(int index, TObject* object) = 0;
  // index may be Count(), to append.
  virtual void InsertObject(int index, std::string_view text, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // The position the line took; here InsertObject at Count().
  virtual int AddObject(std::string_view text, TObject* object);
  int Add(std::string_view text) { return AddObject(text, nullptr); }
  void Insert(int index, std::string_view text) { InsertObject(index, text, nullptr); }
  // Appends the source's lines with their objects (shared, not owned), within
  // one BeginUpdate/EndUpdate; a list added to itself doubles.
  void AddStrings(const TStrings& source);
  // Appends lines without objects, within one BeginUpdate/EndUpdate here.
  virtual void AddStrings(std::span<const std::string_view> lines);
  void AddStrings(std::span<const std::string> lines);

  // First position of an equal line (ignoring ASCII case), -1 when none.
  virtual int IndexOf(std::string_view text) const;
  // First position of that very pointer, -1 when none.
  int IndexOfObject(const TObject* object) const;

  // Every line followed by CR LF. Setting clears the list and adds the lines,
  // split at CR LF, CR or LF (a final break adds no empty line), within one
  // BeginUpdate/EndUpdate.
  std::string Text() const;
  void SetText(std::string_view text);
  // SetText with the lines already split.
  void SetLines(std::span<const std::string_view> lines);
  // SetText with the file's bytes, taken as they are. Raises EFOpenError
  // naming the file when it cannot be read or holds more than
  // kMaxTextFileBytes or kMaxTextFileLines (platform/base/files.h); the list
  // is then as it was.
  void LoadFromFile(const std::string& path);
  // Text() into the file, replaced atomically; raises EFCreateError naming
  // the file when it cannot be written, and the old file stays.
  void SaveToFile(const std::string& path) const;

  // Nest: the outermost BeginUpdate calls SetUpdateState(true), the matching
  // EndUpdate SetUpdateState(false); calls in between change only the count.
  // An EndUpdate without a BeginUpdate does nothing.
  void BeginUpdate();
  void EndUpdate();
  bool Equals(const TStrings& other) const;  // same lines in the same order; objects not compared

  // From another TStrings: Clear, then AddStrings, within one
  // BeginUpdate/EndUpdate; the objects are shared, not copied. From itself:
  // nothing. Other sources as TPersistent::Assign (EConvertError for nil and
  // for a source that cannot assign itself to a list).
  void Assign(const TPersistent* source) override;
  // The "Strings" list of a form file: the lines only, objects are not
  // stored; an empty list is not written. Reading clears the list and adds
  // the lines within one BeginUpdate/EndUpdate.
  void DefineProperties(TFiler& filer) override;

 protected:
  // Called when the list enters (true) and leaves (false) its updating state.
  virtual void SetUpdateState(bool) {}
  int UpdateCount() const { return updateCount_; }

 private:
  int updateCount_ = 0;
};

// Keeps a list in its updating state for a scope: BeginUpdate on
// construction, EndUpdate on destruction. An error an OnChange handler raises
// there reaches the caller, unless an earlier error is leaving the scope:
// that one wins (RunAtScopeEnd).
class TStringsUpdate {
 public:
  explicit TStringsUpdate(TStrings& list) : list_(list) { list_.BeginUpdate(); }
  ~TStringsUpdate() noexcept(false) {
    auto end = [this] { list_.EndUpdate(); };
    RunAtScopeEnd(end, uncaught_);
  }
  TStringsUpdate(const TStringsUpdate&) = delete;
  TStringsUpdate& operator=(const TStringsUpdate&) = delete;

 private:
  TStrings& list_;
  int uncaught_ = std::uncaught_exceptions();
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// Errors: an index out of range raises EStringListError naming it (for
// insertions Count() is in range), as does an edit that would place a line
// in a sorted list (SetStrings, InsertObject, InsertObjects, MergeLines); the
// list is then unchanged and no event has fired.
// Events: an edit that changes the list fires OnChanging before and OnChange
// after the change (Sender: the list), once for the whole edit, bulk edits
// included. Clear of an empty list, an empty batch into an unsorted list and
// a duplicate Add ignores fire nothing. While the list is updating
// (BeginUpdate) edits fire nothing; instead the outermost BeginUpdate fires
// OnChanging and its EndUpdate OnChange, even when nothing changed in
// between. An error an OnChanging handler raises reaches the caller with the
// list unchanged; one an OnChange handler raises reaches it with the change
// made; where a TStringsUpdate ends the update (SetText, LoadFromFile,
// Assign, reading a form file, AddStrings of a list or into a sorted list) an
// error already on its way wins: see there.
class TStringList : public TStrings {
  LXV_CLASS(TStringList, TStrings)
 public:
  TStringList() = default;
  ~TStringList() override = default;

  int Count() const override { return items_.Size(); }
  std::string_view Strings(int index) const override;
  void SetStrings(int index, std::string_view text) override;
  TObject* Objects(int index) const override;
  // Allowed in sorted mode too: objects do not take part in the order.
  void SetObjects(int index, TObject* object) override;
  void InsertObject(int index, std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  // Sorted: at the line's sorted place; an equal line already there is
  // returned, nothing changed (dupIgnore), added before the equal ones
  // (dupAccept, at the position Find gives), or refused with
  // EStringListError (dupError).
  int AddObject(std::string_view text, TObject* object) override;
  // Unsorted: appended in one change. Sorted: AddObject each, within one
  // BeginUpdate/EndUpdate.
  void AddStrings(std::span<const std::string_view> lines) override;
  using TStrings::AddStrings;
  // Inserts the lines as one run at index, each with `object`, as
  // InsertObject one after the other would, in one change.
  void InsertObjects(int index, std::span<const std::string_view> lines, TObject* object);
  // Into a list in byte order (InByteOrder), lines in ascending byte order,
  // without objects: each goes before the first line not less than it, in
  // one pass, in one change. Raises EStringListError, changing nothing, when
  // either is out of order or the list is sorted.
  void MergeLines(std::span<const std::string_view> lines);
  // Compares as the sorted mode does (CaseSensitive honoured); sorted lists
  // are searched with Find.
  int IndexOf(std::string_view text) const override;

  // Sorted mode keeps the lines in the order of CompareText (CompareStr when
  // CaseSensitive); Add then inserts at the sorted position. Turning it on,
  // or changing CaseSensitive while on, sorts the list (events as Sort).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);
  // Applies to later additions only; lines already in the list stay.
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }
  // Bisection, meaningful over a sorted list: true when found; index is the
  // position of the line (the first of equal ones with dupAccept, any one
  // otherwise) or where it would be inserted. Raises nothing.
  bool Find(std::string_view text, int& index) const;
  // A stable sort in one change; nothing fires for fewer than two lines.
  void Sort();
  // No line is greater than the next in ordinal byte order (CompareStr);
  // every change of the list keeps this up to date.
  bool InByteOrder() const { return items_.Ascending(); }
  // Stable; `compare` gets the list and two indexes as the lines stood before
  // the sort. OnChanging fires before the first comparison: an error
  // `compare` raises leaves the list unchanged, without OnChange. The sorted
  // mode is not consulted: on a sorted list any other order breaks it.
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);
  // The classic bisection in ordinal byte order over the lines as they stand
  // (TStringItems::Bisect), for lists that callers keep in that order.
  int Bisect(std::string_view text, int& lastCompare) const { return items_.Bisect(text, lastCompare); }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // InsertObject for a text at the position the classic bisection (Bisect)
  // gave for it: the order of the list stays as it was without a comparison.
  // Raises and fires as InsertObject.
  void InsertBisected(int index, std::string_view text, TObject* object);
  // Fires OnChanging on entering the updating state, OnChange on leaving it.
  void SetUpdateState(bool updating) override;
  // Fire OnChanging / OnChange unless the list is updating.
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
