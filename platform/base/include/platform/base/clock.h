#pragma once
// Milliseconds since an arbitrary start, wrapping at 2^32 as the framework's
// tick counter does.
#include <cstdint>

namespace platform {

std::uint32_t GetTickCount();

}  // namespace platform
