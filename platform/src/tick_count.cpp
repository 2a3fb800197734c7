#include <chrono>

#include "platform/locale_services.h"

namespace platform {

DWORD GetTickCount() {
  const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
  // Truncation to 32 bits is the wrap-around the callers expect.
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace platform
