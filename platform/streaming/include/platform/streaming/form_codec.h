#pragma once
// Encodings shared by the binary and text form code (internal).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::formcodec {

using TExtended = std::array<std::uint8_t, 10>;  // x87 80-bit layout, little-endian

long double ExtendedToFloat(const TExtended& bytes);
TExtended FloatToExtended(long double value);

std::string Utf16ToUtf8(std::u16string_view text);   // lone surrogates become U+FFFD
std::u16string Utf8ToUtf16(std::string_view text);   // invalid bytes become U+FFFD

// Deepest nesting of objects, lists and collections a form may have.
inline constexpr int kMaxDepth = 200;

}  // namespace platform::formcodec
