#include "best_fit.h"

#include <unicode/utf8.h>

namespace platform::detail {
namespace {

// 0 for a character to skip, '?' for one without an equivalent.
char BestFit(UChar32 c) {
  if (c >= 0 && c < 0x80) return static_cast<char>(c);
  switch (c) {
    case 0x200E: case 0x200F: case 0x061C: return 0;
    case 0x00A0: case 0x202F: case 0x2007: case 0x2009: case 0x200A: return ' ';
    case 0x2018: case 0x2019: case 0x02BC: case 0x2032: return '\'';
    case 0x060C: case 0x066C: return ',';
    case 0x061B: return ';';
    case 0x066B: case 0x2024: return '.';
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212: return '-';
    default: return '?';
  }
}

}  // namespace

std::string SingleByteSetting(std::string_view utf8) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (const char byte = BestFit(c)) return std::string(1, byte);
  }
  return "";
}

}  // namespace platform::detail
