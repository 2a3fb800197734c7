#pragma once
// The storage behind TStringList: items in blocks of bounded size, so that an
// insertion or deletion in the middle moves at most one block's tail plus a
// table of block starts, while indexed access stays a short search (and a
// cache hit on sequential walks). The storage also counts its descents (an
// item greater than the next in byte order), so whether the items stand in
// ascending byte order is known without a pass over them; after a bulk append
// (a list being read) the count is taken on the first question.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class TObject;

struct TStringItem {
  std::string Text;
  TObject* Object = nullptr;
};

// Owns the texts, not the objects. Indexes are not checked: callers keep them
// in range (0 to Size() - 1, Size() too for insertions), as TStringList does
// before it calls. Nothing here raises but allocation failures, and nothing
// fires: the change notices are TStringList's.
class TStringItems {
 public:
  int Size() const { return size_; }
  // Valid until the next change.
  const TStringItem& At(int index) const { return Item(index); }
  void SetText(int index, std::string text);
  void SetObject(int index, TObject* object) { Item(index).Object = object; }
  void Insert(int index, TStringItem item);
  // For an item that the classic bisection placed: equal to the item now at
  // index, or greater than the one before and less than the one after. Such
  // an insertion neither makes nor mends a descent, so it compares nothing.
  void InsertBisected(int index, TStringItem item) { Place(index, std::move(item)); }
  // Moves the texts in after the last item, without objects.
  void Append(std::vector<std::string>&& texts);
  // Moves the texts in as one run at index, each with `object`.
  void InsertRun(int index, std::span<std::string> texts, TObject* object);
  // Items and texts both ascending: each text, without object, goes before
  // the first item not less than it.
  void MergeAscending(std::span<std::string> texts);
  void Erase(int index);
  void Clear();
  std::vector<TStringItem> TakeAll();
  void Reset(std::vector<TStringItem> items);
  // No item is greater than the one after it (ordinal, byte by byte).
  bool Ascending() const;

  // The classic bisection over all items (middle = (low + high) / 2):
  // compare(text) < 0 goes left, > 0 goes right, 0 stops. Returns the last
  // index examined (0 when empty) and its comparison in lastCompare. The
  // blocks that can hold the shrinking range are tracked, so each step
  // searches only those instead of every block start.
  template <class Compare>
  int Bisect(Compare&& compare, int& lastCompare) const;

 private:
  static constexpr std::size_t kMaxBlock = 128;
  struct TBlock {
    std::vector<TStringItem> items;
  };
  TStringItem& Item(int index) const;
  std::size_t Locate(int index) const;  // block holding index (index < size_)
  std::size_t LocateBetween(int index, std::size_t first, std::size_t last) const;
  void OpenBlock();  // a new last block
  void Split(std::size_t block);
  void ShiftStarts(std::size_t fromBlock, int delta);
  int DescentAt(int index) const;  // 1 when item index - 1 > item index
  void Place(int index, TStringItem item);

  mutable std::vector<TBlock> blocks_;
  std::vector<int> starts_;  // index of the first item of each block
  mutable std::size_t lastBlock_ = 0;
  int size_ = 0;
  static constexpr int kUncounted = -1;
  mutable int descents_ = 0;  // or kUncounted
};

template <class Compare>
int TStringItems::Bisect(Compare&& compare, int& lastCompare) const {
  int low = 0, high = size_ - 1, middle = 0;
  std::size_t firstBlock = 0, lastBlock = blocks_.empty() ? 0 : blocks_.size() - 1;
  lastCompare = 0;
  while (high >= low) {
    middle = (low + high) / 2;
    const std::size_t b = LocateBetween(middle, firstBlock, lastBlock);
    const int offset = middle - starts_[b];
    lastCompare = compare(blocks_[b].items[static_cast<std::size_t>(offset)].Text);
    if (lastCompare == 0) break;
    if (lastCompare < 0) {
      high = middle - 1;
      lastBlock = offset > 0 || b == 0 ? b : b - 1;
    } else {
      low = middle + 1;
      firstBlock = offset + 1 < static_cast<int>(blocks_[b].items.size()) ? b : b + 1;
    }
  }
  return middle;
}

}  // namespace platform
