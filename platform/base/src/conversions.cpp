#include "platform/base/conversions.h"

#include <algorithm>
#include <limits>

#include "platform/base/exceptions.h"
#include "platform/base/text.h"

namespace platform {
namespace {

constexpr int kMaxHexDigits = 32;

// Parses `text` into a signed integer of `bits` bits (32 or 64). Decimal text
// must fit the signed range; hexadecimal text may use every bit, so that what
// IntToHex writes reads back.
bool ParseInteger(std::string_view text, int bits, std::int64_t& out) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (text.size() - i > 1 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;

  const std::uint64_t all = bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
  const std::uint64_t half = all / 2;  // the largest positive value
  const std::uint64_t limit = base == 16 ? all : negative ? half + 1 : half;
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0 || digit >= base) return false;
    if (magnitude > (limit - digit) / base) return false;
    magnitude = magnitude * base + digit;
  }
  std::uint64_t pattern = (negative ? 0 - magnitude : magnitude) & all;
  // Sign-extend the pattern from `bits` bits.
  if (pattern > half) pattern |= ~all;
  out = static_cast<std::int64_t>(pattern);
  return true;
}

[[noreturn]] void RaiseNotInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string IntToHex(std::int64_t value, int digits) {
  std::uint64_t pattern = static_cast<std::uint64_t>(value);
  if (value < 0 && value >= std::numeric_limits<std::int32_t>::min()) pattern &= 0xFFFFFFFFu;
  std::string result;
  do {
    result.push_back("0123456789ABCDEF"[pattern & 0xF]);
    pattern >>= 4;
  } while (pattern != 0);
  const int width = std::clamp(digits, 0, kMaxHexDigits);
  if (static_cast<int>(result.size()) < width) result.append(width - result.size(), '0');
  std::reverse(result.begin(), result.end());
  return result;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  std::int64_t parsed = 0;
  if (!ParseInteger(text, 32, parsed)) return false;
  value = static_cast<std::int32_t>(parsed);
  return true;
}

bool TryStrToInt64(std::string_view text, std::int64_t& value) {
  return ParseInteger(text, 64, value);
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) RaiseNotInteger(text);
  return value;
}

std::int64_t StrToInt64(std::string_view text) {
  std::int64_t value = 0;
  if (!TryStrToInt64(text, value)) RaiseNotInteger(text);
  return value;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue) {
  std::int32_t value = defaultValue;
  return TryStrToInt(text, value) ? value : defaultValue;
}

bool IsValidIdent(std::string_view text) {
  return !text.empty() && IsIdentStart(text.front()) && std::all_of(text.begin(), text.end(), IsIdentChar);
}

}  // namespace platform
