#pragma once
// Milliseconds since an arbitrary start, wrapping at 2^32 as the framework's
// tick counter does.
#include <cstdint>
#include <functional>

namespace platform {

std::uint32_t GetTickCount();

// Where GetTickCount reads the time: the system's steady clock unless another
// source is installed (tests install a simulated clock). Returns the source it
// replaces, empty when that was the system's.
using TTickSource = std::function<std::uint32_t()>;
TTickSource SetTickSource(TTickSource source);

}  // namespace platform
