#include <chrono>

#include "platform/base/clock.h"

namespace platform {

std::uint32_t GetTickCount() {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  // Truncation to 32 bits is the wrap-around the callers expect.
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace platform
