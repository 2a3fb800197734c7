#pragma once
// The seam between Format's pattern parser (compiled once) and its floating
// conversions, which read the format settings (compiled per host generation).
#include <string>

namespace platform::detail {

// The text of a floating-point argument for the types e f g n m (lower
// case); precision < 0 when the pattern gives none.
std::string FloatArgument(char type, double value, int precision);

}  // namespace platform::detail
