#pragma once
// The seam between Format's pattern parser (compiled once) and its floating
// conversions, which read the format settings (compiled per host generation).
#include <string>

namespace platform {
struct TFormatSettings;
}

namespace platform::detail {

// The text of a floating-point argument for the types e f g n m (lower
// case) under `settings`; precision < 0 when the pattern gives none.
std::string FloatArgument(char type, double value, int precision, const TFormatSettings& settings);

// The process-wide record, FormatSettings(), for the code compiled once.
const TFormatSettings& ProcessFormatSettings();

}  // namespace platform::detail
