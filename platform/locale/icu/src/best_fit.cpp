#include "best_fit.h"

#include "platform/locale/icu/best_fit.h"

#include <unicode/utf8.h>

namespace platform::detail {
namespace {

constexpr int kSkip = -1;   // a bidi mark
constexpr int kNoFit = -2;  // no one-byte equivalent

int BestFit(UChar32 c) {
  if (c >= 0 && c < 0x80) return c;
  switch (c) {
    case 0x200E: case 0x200F: case 0x061C: return kSkip;
    case 0x00A0: case 0x202F: case 0x2007: case 0x2009: case 0x200A: return ' ';
    case 0x2018: case 0x2019: case 0x02BC: case 0x2032: return '\'';
    case 0x060C: case 0x066C: return ',';
    case 0x061B: return ';';
    case 0x066B: case 0x2024: return '.';
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2212: return '-';
    default: return kNoFit;
  }
}

// The fit of the first character that is not skipped; kSkip for none.
int FirstFit(std::string_view utf8) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (const int fit = BestFit(c); fit != kSkip) return fit;
  }
  return kSkip;
}

}  // namespace

std::string SingleByteSetting(std::string_view utf8) {
  const int fit = FirstFit(utf8);
  if (fit == kSkip) return "";
  return std::string(1, fit == kNoFit ? '?' : static_cast<char>(fit));
}

}  // namespace platform::detail

namespace platform {

std::optional<char> BestFitFirstChar(std::string_view utf8) {
  const int fit = detail::FirstFit(utf8);
  if (fit < 0) return std::nullopt;
  return static_cast<char>(fit);
}

}  // namespace platform
