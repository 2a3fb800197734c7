#pragma once
// Text kept in a few large chunks instead of one heap block per line. A text
// stored here stays at its address until Clear or Compact; a list that drops
// a text tells the arena (Release), and compacts once the dropped bytes
// outweigh the kept ones, so editing a list forever does not grow it forever.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

class TTextArena {
 public:
  // A copy of text that stays put. May raise std::bad_alloc, with nothing
  // changed.
  std::string_view Store(std::string_view text);
  void Release(std::size_t bytes) { dropped_ += bytes; }
  // More dropped than kept, and enough of it to be worth a copy.
  bool WantsCompaction() const;
  // Copies every text `each` hands over (as a std::string_view&, which it
  // repoints) into one fresh chunk, then frees the old ones. On bad_alloc
  // nothing has changed.
  template <class ForEachText>
  void Compact(ForEachText&& each);
  void Clear();

 private:
  char* Reserve(std::size_t size);

  std::vector<std::unique_ptr<char[]>> chunks_;
  char* next_ = nullptr;
  std::size_t left_ = 0;
  std::size_t nextChunk_ = 0;  // size of the next chunk opened
  std::size_t stored_ = 0;
  std::size_t dropped_ = 0;
};

template <class ForEachText>
void TTextArena::Compact(ForEachText&& each) {
  const std::size_t live = stored_ - dropped_;
  std::unique_ptr<char[]> chunk(new char[live == 0 ? 1 : live]);
  char* at = chunk.get();
  each([&at](std::string_view& text) {
    std::copy(text.begin(), text.end(), at);
    text = std::string_view(at, text.size());
    at += text.size();
  });
  chunks_.clear();
  chunks_.push_back(std::move(chunk));
  next_ = at;
  left_ = 0;
  stored_ = live;
  dropped_ = 0;
}

}  // namespace platform
