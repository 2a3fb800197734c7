#pragma once
// The rules of a translation-table line, LLLLLLLL_NAME=VALUE: its prefix,
// its key, its value and the cuts. Every reader of table lines uses these.
#include <cstddef>
#include <string_view>

namespace Lxv {

// The longest value the component takes from a line, in bytes.
inline constexpr std::size_t kMaxValueLength = 4095;

// The first `maxBytes` bytes of UTF-8 text, shortened so that no character
// is split.
std::string_view Utf8Head(std::string_view text, std::size_t maxBytes);

// The text before the first `c`; empty when there is none.
std::string_view TextBefore(std::string_view text, char c);

// The hexadecimal part: the text before the first "_" (empty without one).
inline std::string_view LinePrefix(std::string_view line) { return TextBefore(line, '_'); }
// The key: the text before the first "=" (empty without one).
inline std::string_view LineKey(std::string_view line) { return TextBefore(line, '='); }

// The text after the first "=" of the line (empty without one), cut to
// kMaxValueLength on a character boundary.
std::string_view LineValue(std::string_view line);

// `value` as the table keeps it: cut to kMaxValueLength on a character
// boundary.
inline std::string_view TableValue(std::string_view value) { return Utf8Head(value, kMaxValueLength); }

}  // namespace Lxv
