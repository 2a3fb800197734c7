#pragma once
// Where the bytes of a binary form stream came from in the text form it was
// converted from. A reader given these names the text's line and column in
// its errors instead of the stream offset, which means nothing to the person
// who wrote the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Lines and columns count from 1; a line ends at LF, CR LF or a lone CR.
struct TTextPosition {
  int Line = 1;
  int Column = 1;
};

// Walks a text forward to byte positions, so that positions asked in
// ascending order cost one pass over the text.
class TTextCursor {
 public:
  explicit TTextCursor(std::string_view text) : text_(text) {}
  TTextPosition At(std::size_t index);  // an index behind the last starts over

 private:
  std::string_view text_;
  std::size_t index_ = 0;
  TTextPosition position_;
};

class TSourcePositions {
 public:
  // The stream bytes from `offset` on came from `position`; marks come in
  // ascending offsets.
  void Mark(std::int64_t offset, TTextPosition position);
  bool Empty() const { return marks_.empty(); }
  // "line L, column C" of the last mark at or before the offset; "offset N"
  // when there is none.
  std::string Name(std::int64_t offset) const;

 private:
  struct TMark {
    std::int64_t Offset;
    TTextPosition Position;
  };
  std::vector<TMark> marks_;
};

}  // namespace platform
