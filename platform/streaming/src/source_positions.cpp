// Text positions of binary form streams converted from text.
#include "platform/streaming/source_positions.h"

#include <algorithm>

namespace platform {

TTextPosition TTextCursor::At(std::size_t index) {
  if (index < index_) {
    index_ = 0;
    position_ = {};
  }
  for (; index_ < index && index_ < text_.size(); ++index_) {
    const char c = text_[index_];
    if (c == '\n' || (c == '\r' && (index_ + 1 >= text_.size() || text_[index_ + 1] != '\n'))) {
      ++position_.Line;
      position_.Column = 1;
    } else if (c != '\r') {
      ++position_.Column;
    }
  }
  return position_;
}

void TSourcePositions::Mark(std::int64_t offset, TTextPosition position) {
  // Each mark stands before at least one byte, so offsets only grow.
  if (!marks_.empty() && marks_.back().Offset >= offset) return;
  marks_.push_back({offset, position});
}

std::string TSourcePositions::Name(std::int64_t offset) const {
  const auto after = std::upper_bound(marks_.begin(), marks_.end(), offset,
                                      [](std::int64_t o, const TMark& m) { return o < m.Offset; });
  if (after == marks_.begin()) return "offset " + std::to_string(offset);
  const TTextPosition& p = std::prev(after)->Position;
  return "line " + std::to_string(p.Line) + ", column " + std::to_string(p.Column);
}

}  // namespace platform
