#pragma once
// Integer <-> text conversions with the framework's rules.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The value of a hexadecimal digit (either case), -1 for any other character.
int HexDigitValue(char c);

// Upper-case hexadecimal, zero-padded to at least `digits` (at most 32).
// A negative value that fits in 32 bits is written as its 32-bit two's
// complement (-1 -> "FFFFFFFF"), a smaller one as its 64-bit pattern.
std::string IntToHex(std::int64_t value, int digits);

std::string IntToStr(std::int64_t value);

// Optional leading blanks, an optional sign, then decimal digits or
// hexadecimal digits after "$", "0x" or "0X". Hexadecimal text may use all
// 32 (64) bits: "$FFFFFFFF" is -1. Anything else - empty text, trailing
// characters, a value outside the range - raises EConvertError
// "'TEXT' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
std::int64_t StrToInt64(std::string_view text);

// The same parse without raising: false leaves `value` untouched.
bool TryStrToInt(std::string_view text, std::int32_t& value);
bool TryStrToInt64(std::string_view text, std::int64_t& value);
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);

// A letter or underscore followed by letters, digits and underscores (ASCII).
bool IsValidIdent(std::string_view text);

}  // namespace platform
