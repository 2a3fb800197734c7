#include "platform/classes/string_items.h"

#include <algorithm>

namespace platform {

TStringItem& TStringItems::Item(int index) const {
  const std::size_t b = Locate(index);
  return blocks_[b].items[static_cast<std::size_t>(index - starts_[b])];
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

void TStringItems::ShiftStarts(std::size_t fromBlock, int delta) {
  for (std::size_t b = fromBlock; b < starts_.size(); ++b) starts_[b] += delta;
}

int TStringItems::DescentAt(int index) const {
  if (index <= 0 || index >= size_) return 0;
  return Item(index - 1).Text.compare(Item(index).Text) > 0 ? 1 : 0;
}

bool TStringItems::Ascending() const {
  if (descents_ == kUncounted) {
    descents_ = 0;
    const TStringItem* last = nullptr;
    for (const TBlock& block : blocks_)
      for (const TStringItem& item : block.items) {
        if (last != nullptr && last->Text.compare(item.Text) > 0) ++descents_;
        last = &item;
      }
  }
  return descents_ == 0;
}

void TStringItems::SetText(int index, std::string text) {
  if (descents_ == kUncounted) {
    Item(index).Text = std::move(text);
    return;
  }
  const int before = DescentAt(index) + DescentAt(index + 1);
  Item(index).Text = std::move(text);
  descents_ += DescentAt(index) + DescentAt(index + 1) - before;
}

void TStringItems::Insert(int index, TStringItem item) {
  // The pair the new item comes between: no descent in a list in order.
  const int split = descents_ <= 0 ? 0 : DescentAt(index);
  Place(index, std::move(item));
  if (descents_ == kUncounted) return;
  descents_ += DescentAt(index) + DescentAt(index + 1) - split;
}

void TStringItems::Place(int index, TStringItem item) {
  // Appends fill blocks to the brim and then open a new one, so that loading
  // a list moves nothing.
  if (blocks_.empty() || (index >= size_ && blocks_.back().items.size() >= kMaxBlock)) OpenBlock();
  // An append goes to the last block; anything else to the block holding index.
  const std::size_t b = index >= size_ ? blocks_.size() - 1 : Locate(index);
  auto& items = blocks_[b].items;
  if (index >= size_) {
    items.push_back(std::move(item));
  } else {
    items.insert(items.begin() + (index - starts_[b]), std::move(item));
  }
  ++size_;
  ShiftStarts(b + 1, 1);
  if (items.size() > kMaxBlock) Split(b);
}

void TStringItems::OpenBlock() {
  // A block holds one item past the brim before it splits; room for all of
  // them up front saves moving every line each time the block would grow.
  blocks_.emplace_back().items.reserve(kMaxBlock + 1);
  starts_.push_back(size_);
}

void TStringItems::Append(std::vector<std::string>&& texts) {
  // Counted when asked: a list being read need not compare its lines.
  if (!texts.empty()) descents_ = kUncounted;
  for (std::string& text : texts) {
    if (blocks_.empty() || blocks_.back().items.size() >= kMaxBlock) OpenBlock();
    blocks_.back().items.push_back(TStringItem{std::move(text), nullptr});
    ++size_;
  }
}

void TStringItems::InsertRun(int index, std::span<std::string> texts, TObject* object) {
  if (index < size_) {
    for (std::string& text : texts) Insert(index++, TStringItem{std::move(text), object});
    return;
  }
  for (std::string& text : texts) {
    if (descents_ != kUncounted && size_ > 0 && blocks_.back().items.back().Text.compare(text) > 0) ++descents_;
    if (blocks_.empty() || blocks_.back().items.size() >= kMaxBlock) OpenBlock();
    blocks_.back().items.push_back(TStringItem{std::move(text), object});
    ++size_;
  }
}

void TStringItems::MergeAscending(std::span<std::string> texts) {
  std::vector<TStringItem> old = TakeAll();
  const auto put = [this](TStringItem&& item) {
    if (blocks_.empty() || blocks_.back().items.size() >= kMaxBlock) OpenBlock();
    blocks_.back().items.push_back(std::move(item));
    ++size_;
  };
  auto next = old.begin();
  for (std::string& text : texts) {
    for (; next != old.end() && next->Text.compare(text) < 0; ++next) put(std::move(*next));
    put(TStringItem{std::move(text), nullptr});
  }
  for (; next != old.end(); ++next) put(std::move(*next));
}

void TStringItems::Split(std::size_t b) {
  TBlock tail;
  tail.items.reserve(kMaxBlock + 1);
  auto& items = blocks_[b].items;
  const std::size_t half = items.size() / 2;
  tail.items.assign(std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(half)),
                    std::make_move_iterator(items.end()));
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
  items.erase(items.begin() + (index - starts_[b]));
  --size_;
  ShiftStarts(b + 1, -1);
  if (items.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(b));
    lastBlock_ = 0;
  }
  if (counted) descents_ += DescentAt(index);  // the two items that are now neighbours
}

void TStringItems::Clear() {
  blocks_.clear();
  starts_.clear();
  lastBlock_ = 0;
  size_ = 0;
  descents_ = 0;
}

std::vector<TStringItem> TStringItems::TakeAll() {
  std::vector<TStringItem> all;
  all.reserve(static_cast<std::size_t>(size_));
  for (TBlock& block : blocks_)
    for (TStringItem& item : block.items) all.push_back(std::move(item));
  Clear();
  return all;
}

void TStringItems::Reset(std::vector<TStringItem> items) {
  Clear();
  for (std::size_t i = 1; i < items.size(); ++i)
    if (items[i - 1].Text.compare(items[i].Text) > 0) ++descents_;
  for (std::size_t i = 0; i < items.size(); i += kMaxBlock / 2) {
    const std::size_t end = std::min(items.size(), i + kMaxBlock / 2);
    TBlock block;
    block.items.assign(std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(i)),
                       std::make_move_iterator(items.begin() + static_cast<std::ptrdiff_t>(end)));
    starts_.push_back(static_cast<int>(i));
    blocks_.push_back(std::move(block));
  }
  size_ = static_cast<int>(items.size());
}

}  // namespace platform
