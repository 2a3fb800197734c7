#include "platform/classes/string_items.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace platform {

namespace {

std::uint64_t HeadOf(std::string_view text) {
  if (text.empty()) return 0;  // an empty text may have no address at all
  unsigned char bytes[8] = {};
  std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), sizeof bytes));
  std::uint64_t head = 0;
  for (unsigned char byte : bytes) head = head << 8 | byte;
  return head;
}

// Sign of a - b in ordinal byte order. Unequal heads decide: where the heads
// first differ, both texts either hold real bytes or one has ended (a zero of
// the padding against a byte of the other, whose earlier bytes it matched),
// and in both cases the texts order as the heads do.
int CompareBytes(const TStringItem& a, std::uint64_t headB, std::string_view b) {
  if (a.Head != headB) return a.Head < headB ? -1 : 1;
  const int c = a.Text.compare(b);
  return (c > 0) - (c < 0);
}

int CompareBytes(const TStringItem& a, const TStringItem& b) { return CompareBytes(a, b.Head, b.Text); }

}  // namespace

TStringItem& TStringItems::Item(int index) const {
  const std::size_t b = Locate(index);
  return blocks_[b].items[static_cast<std::size_t>(index - starts_[b])];
}

TStringItem TStringItems::MakeItem(std::string_view text, TObject* object) {
  return TStringItem{arena_.Store(text), HeadOf(text), object};
}

std::size_t TStringItems::Locate(int index) const {
  auto holds = [&](std::size_t b) {
    return index >= starts_[b] && index < starts_[b] + static_cast<int>(blocks_[b].items.size());
  };
  if (lastBlock_ < blocks_.size()) {
    if (holds(lastBlock_)) return lastBlock_;
    if (lastBlock_ + 1 < blocks_.size() && holds(lastBlock_ + 1)) return ++lastBlock_;
  }
  auto it = std::upper_bound(starts_.begin(), starts_.end(), index);
  lastBlock_ = static_cast<std::size_t>(it - starts_.begin()) - 1;
  return lastBlock_;
}

std::size_t TStringItems::LocateBetween(int index, std::size_t first, std::size_t last) const {
  const auto begin = starts_.begin() + static_cast<std::ptrdiff_t>(first);
  const auto end = starts_.begin() + static_cast<std::ptrdiff_t>(last) + 1;
  return static_cast<std::size_t>(std::upper_bound(begin, end, index) - starts_.begin()) - 1;
}

int TStringItems::Bisect(std::string_view text, int& lastCompare) const {
  const std::uint64_t head = HeadOf(text);
  int low = 0, high = size_ - 1, middle = 0;
  // The blocks that can hold the shrinking range, so that each step
  // searches only those instead of every block start.
  std::size_t firstBlock = 0, lastBlock = blocks_.empty() ? 0 : blocks_.size() - 1;
  lastCompare = 0;
  while (high >= low) {
    middle = (low + high) / 2;
    const std::size_t b = LocateBetween(middle, firstBlock, lastBlock);
    const int offset = middle - starts_[b];
    lastCompare = -CompareBytes(blocks_[b].items[static_cast<std::size_t>(offset)], head, text);
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

void TStringItems::ShiftStarts(std::size_t fromBlock, int delta) {
  for (std::size_t b = fromBlock; b < starts_.size(); ++b) starts_[b] += delta;
}

int TStringItems::DescentAt(int index) const {
  if (index <= 0 || index >= size_) return 0;
  return CompareBytes(Item(index - 1), Item(index)) > 0 ? 1 : 0;
}

bool TStringItems::Ascending() const {
  if (descents_ == kUncounted) {
    descents_ = 0;
    const TStringItem* last = nullptr;
    for (const TBlock& block : blocks_)
      for (const TStringItem& item : block.items) {
        if (last != nullptr && CompareBytes(*last, item) > 0) ++descents_;
        last = &item;
      }
  }
  return descents_ == 0;
}

void TStringItems::Drop(const TStringItem& item) { arena_.Release(item.Text.size()); }

void TStringItems::SetText(int index, std::string_view text) {
  const TStringItem item = MakeItem(text, nullptr);
  const int before = descents_ == kUncounted ? 0 : DescentAt(index) + DescentAt(index + 1);
  TStringItem& slot = Item(index);
  Drop(slot);
  slot.Text = item.Text;
  slot.Head = item.Head;
  if (descents_ != kUncounted) descents_ += DescentAt(index) + DescentAt(index + 1) - before;
  CompactIfWorthIt();
}

void TStringItems::Insert(int index, std::string_view text, TObject* object) {
  const TStringItem item = MakeItem(text, object);
  // The pair the new item comes between: no descent in a list in order.
  const int split = descents_ <= 0 ? 0 : DescentAt(index);
  Place(index, item);
  if (descents_ == kUncounted) return;
  descents_ += DescentAt(index) + DescentAt(index + 1) - split;
}

void TStringItems::InsertBisected(int index, std::string_view text, TObject* object) {
  Place(index, MakeItem(text, object));
}

void TStringItems::Place(int index, const TStringItem& item) {
  // Appends fill blocks to the brim and then open a new one, so that loading
  // a list moves nothing.
  if (index >= size_) return PushBack(item);
  const std::size_t b = Locate(index);
  auto& items = blocks_[b].items;
  items.insert(items.begin() + (index - starts_[b]), item);
  ++size_;
  ShiftStarts(b + 1, 1);
  if (items.size() > kMaxBlock) Split(b);
}

void TStringItems::PushBack(const TStringItem& item) {
  if (blocks_.empty() || blocks_.back().items.size() >= kMaxBlock) OpenBlock();
  blocks_.back().items.push_back(item);
  ++size_;
}

void TStringItems::OpenBlock() {
  // A block holds one item past the brim before it splits; room for all of
  // them up front saves moving every line each time the block would grow.
  blocks_.emplace_back().items.reserve(kMaxBlock + 1);
  starts_.push_back(size_);
}

void TStringItems::Append(std::span<const std::string_view> texts) {
  if (!texts.empty()) descents_ = kUncounted;
  for (std::string_view text : texts) PushBack(MakeItem(text, nullptr));
}

void TStringItems::InsertRun(int index, std::span<const std::string_view> texts, TObject* object) {
  if (index < size_) {
    for (std::string_view text : texts) Insert(index++, text, object);
    return;
  }
  for (std::string_view text : texts) {
    const TStringItem item = MakeItem(text, object);
    if (descents_ != kUncounted && size_ > 0 && CompareBytes(blocks_.back().items.back(), item) > 0) ++descents_;
    PushBack(item);
  }
}

void TStringItems::MergeAscending(std::span<const std::string_view> texts) {
  std::vector<TStringItem> added;
  added.reserve(texts.size());
  for (std::string_view text : texts) added.push_back(MakeItem(text, nullptr));
  const std::vector<TStringItem> old = AllItems();
  ClearItems();  // both ascending: so is the merge
  auto next = old.begin();
  for (const TStringItem& item : added) {
    for (; next != old.end() && CompareBytes(*next, item) < 0; ++next) PushBack(*next);
    PushBack(item);
  }
  for (; next != old.end(); ++next) PushBack(*next);
}

void TStringItems::Split(std::size_t b) {
  TBlock tail;
  tail.items.reserve(kMaxBlock + 1);
  auto& items = blocks_[b].items;
  const std::size_t half = items.size() / 2;
  tail.items.assign(items.begin() + static_cast<std::ptrdiff_t>(half), items.end());
  items.resize(half);
  const int start = starts_[b] + static_cast<int>(half);
  blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(tail));
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(b) + 1, start);
}

void TStringItems::Erase(int index) {
  const bool counted = descents_ != kUncounted;
  if (counted) descents_ -= DescentAt(index) + DescentAt(index + 1);
  const std::size_t b = Locate(index);
  auto& items = blocks_[b].items;
  const auto at = items.begin() + (index - starts_[b]);
  Drop(*at);
  items.erase(at);
  --size_;
  ShiftStarts(b + 1, -1);
  if (items.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(b));
    lastBlock_ = 0;
  }
  if (counted) descents_ += DescentAt(index);  // the two items that are now neighbours
  CompactIfWorthIt();
}

void TStringItems::CompactIfWorthIt() {
  if (!arena_.WantsCompaction()) return;
  // An economy, not part of the change just made: without the memory for
  // it the storage simply stays as it is.
  try {
    Rebuild(AllItems());
  } catch (const std::bad_alloc&) {
  }
}

void TStringItems::Clear() {
  ClearItems();
  arena_.Clear();
}

void TStringItems::ClearItems() {
  blocks_.clear();
  starts_.clear();
  lastBlock_ = 0;
  size_ = 0;
  descents_ = 0;
}

std::vector<TStringItem> TStringItems::AllItems() const {
  std::vector<TStringItem> all;
  all.reserve(static_cast<std::size_t>(size_));
  for (const TBlock& block : blocks_) all.insert(all.end(), block.items.begin(), block.items.end());
  return all;
}

void TStringItems::Reorder(std::span<const int> order) {
  const std::vector<TStringItem> all = AllItems();
  std::vector<TStringItem> reordered;
  reordered.reserve(all.size());
  for (int i : order) reordered.push_back(all[static_cast<std::size_t>(i)]);
  Rebuild(reordered);
}

// Half-full blocks, so that insertions anywhere have room; the texts are
// packed into one chunk when the arena holds more dropped text than kept.
void TStringItems::Rebuild(const std::vector<TStringItem>& items) {
  std::vector<TBlock> blocks;
  std::vector<int> starts;
  int descents = 0;
  for (std::size_t i = 0; i < items.size(); i += kMaxBlock / 2) {
    const std::size_t end = std::min(items.size(), i + kMaxBlock / 2);
    TBlock& block = blocks.emplace_back();
    block.items.reserve(kMaxBlock + 1);
    block.items.assign(items.begin() + static_cast<std::ptrdiff_t>(i), items.begin() + static_cast<std::ptrdiff_t>(end));
    starts.push_back(static_cast<int>(i));
  }
  for (std::size_t i = 1; i < items.size(); ++i)
    if (CompareBytes(items[i - 1], items[i]) > 0) ++descents;
  if (arena_.WantsCompaction())
    arena_.Compact([&blocks](auto&& move) {
      for (TBlock& block : blocks)
        for (TStringItem& item : block.items) move(item.Text);
    });
  blocks_ = std::move(blocks);
  starts_ = std::move(starts);
  lastBlock_ = 0;
  size_ = static_cast<int>(items.size());
  descents_ = descents;
}

}  // namespace platform
