#include "platform/base/clock.h"

#include <chrono>
#include <utility>

namespace platform {

namespace {
TTickSource& InstalledSource() {
  static TTickSource source;
  return source;
}
}  // namespace

std::uint32_t GetTickCount() {
  if (const TTickSource& source = InstalledSource()) return source();
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  // Truncation to 32 bits is the wrap-around the callers expect.
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

TTickSource SetTickSource(TTickSource source) { return std::exchange(InstalledSource(), std::move(source)); }

}  // namespace platform
