#include "platform/classes/text_arena.h"

#include <algorithm>

namespace platform {

namespace {

// Chunks grow from small (a list of a few lines costs little) to a size at
// which one more allocation per chunk is noise.
constexpr std::size_t kFirstChunk = 256;
constexpr std::size_t kLargestChunk = std::size_t{256} << 10;
// Below this many dropped bytes a compaction would cost more than it frees.
constexpr std::size_t kWorthCompacting = 4096;

}  // namespace

char* TTextArena::Reserve(std::size_t size) {
  if (size > left_) {
    nextChunk_ = std::clamp(nextChunk_ * 2, kFirstChunk, kLargestChunk);
    const std::size_t chunk = std::max(size, nextChunk_);
    chunks_.push_back(std::unique_ptr<char[]>(new char[chunk]));
    next_ = chunks_.back().get();
    left_ = chunk;
  }
  char* at = next_;
  next_ += size;
  left_ -= size;
  return at;
}

std::string_view TTextArena::Store(std::string_view text) {
  if (text.empty()) return {};
  char* at = Reserve(text.size());
  std::copy(text.begin(), text.end(), at);
  stored_ += text.size();
  return {at, text.size()};
}

bool TTextArena::WantsCompaction() const { return dropped_ >= kWorthCompacting && dropped_ > stored_ - dropped_; }

void TTextArena::Clear() {
  chunks_.clear();
  next_ = nullptr;
  left_ = 0;
  nextChunk_ = 0;
  stored_ = 0;
  dropped_ = 0;
}

}  // namespace platform
