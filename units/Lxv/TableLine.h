#pragma once
// Reading lines of the translation table: LLLLLLLL_NAME=VALUE.
#include <cstddef>
#include <string_view>

namespace Lxv {

// The longest value the component takes from a line, in bytes.
inline constexpr std::size_t kMaxValueLength = 4095;

// The first `maxBytes` bytes of UTF-8 text, shortened so that no character
// is split.
std::string_view Utf8Head(std::string_view text, std::size_t maxBytes);

// The text after the first "=" of the line (empty without one), cut to
// kMaxValueLength on a character boundary.
std::string_view LineValue(std::string_view line);

}  // namespace Lxv
