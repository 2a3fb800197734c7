#pragma once
// The storage behind TStringList: items in blocks of bounded size, so that an
// insertion or deletion in the middle moves at most one block's tail plus a
// table of block starts, while indexed access stays a short search (and a
// cache hit on sequential walks). The texts live in an arena, so an item is a
// few plain words that move as bytes, and adding a line allocates nothing of
// its own. Each item also keeps its text's first eight bytes as a number,
// which settles most byte-order comparisons without reading the text. The
// storage counts its descents (an item greater than the next in byte order),
// so whether the items stand in ascending byte order is known without a pass
// over them; after a bulk append (a list being read) the count is taken on
// the first question.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/classes/text_arena.h"

namespace platform {

class TObject;

struct TStringItem {
  std::string_view Text;  // in the arena of the storage holding the item
  std::uint64_t Head = 0;  // the first eight bytes, big-endian, zero-padded
  TObject* Object = nullptr;
};

// Owns the texts, not the objects. Indexes are not checked: callers keep them
// in range (0 to Size() - 1, Size() too for insertions), as TStringList does
// before it calls. Texts are copied in, and a text handed out stays valid
// until the next change. Nothing here raises but allocation failures, which
// leave the storage as it was, and nothing fires: the change notices are
// TStringList's.
class TStringItems {
 public:
  int Size() const { return size_; }
  const TStringItem& At(int index) const { return Item(index); }
  void SetText(int index, std::string_view text);
  void SetObject(int index, TObject* object) { Item(index).Object = object; }
  void Insert(int index, std::string_view text, TObject* object);
  // For a text that the classic bisection (Bisect) placed: equal to the item
  // now at index, or greater than the one before and less than the one
  // after. Such an insertion neither makes nor mends a descent, so it
  // compares nothing.
  void InsertBisected(int index, std::string_view text, TObject* object);
  // The texts after the last item, without objects; whether they stand in
  // order is worked out when next asked.
  void Append(std::span<const std::string_view> texts);
  // The texts as one run at index, each with `object`.
  void InsertRun(int index, std::span<const std::string_view> texts, TObject* object);
  // Items and texts both ascending: each text, without object, goes before
  // the first item not less than it.
  void MergeAscending(std::span<const std::string_view> texts);
  void Erase(int index);
  void Clear();
  // Item i becomes the item that stood at order[i]; order is a permutation
  // of 0 to Size() - 1.
  void Reorder(std::span<const int> order);
  // No item is greater than the one after it (ordinal, byte by byte).
  bool Ascending() const;

  // The classic bisection over all items (middle = (low + high) / 2),
  // comparing text with each item in ordinal byte order: text less goes
  // left, greater goes right, equal stops. Returns the last index examined
  // (0 when empty) and the sign of its comparison in lastCompare.
  int Bisect(std::string_view text, int& lastCompare) const;

 private:
  static constexpr std::size_t kMaxBlock = 128;
  struct TBlock {
    std::vector<TStringItem> items;
  };
  TStringItem& Item(int index) const;
  TStringItem MakeItem(std::string_view text, TObject* object);
  std::size_t Locate(int index) const;  // block holding index (index < size_)
  std::size_t LocateBetween(int index, std::size_t first, std::size_t last) const;
  void OpenBlock();  // a new last block
  void PushBack(const TStringItem& item);
  void Split(std::size_t block);
  void ShiftStarts(std::size_t fromBlock, int delta);
  int DescentAt(int index) const;  // 1 when item index - 1 > item index
  void Place(int index, const TStringItem& item);
  void Drop(const TStringItem& item);  // its text is no longer the storage's
  void CompactIfWorthIt();
  std::vector<TStringItem> AllItems() const;  // in order, as copies
  void ClearItems();  // the texts stay in the arena
  void Rebuild(const std::vector<TStringItem>& items);

  mutable std::vector<TBlock> blocks_;
  std::vector<int> starts_;  // index of the first item of each block
  mutable std::size_t lastBlock_ = 0;
  int size_ = 0;
  static constexpr int kUncounted = -1;
  mutable int descents_ = 0;  // or kUncounted
  TTextArena arena_;
};

}  // namespace platform
