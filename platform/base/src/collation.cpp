#include "platform/base/collation.h"

#include "platform/base/text.h"

namespace platform {
namespace {

// Rank of a character's class, then its own weight within the class.
int Weight(char c) {
  const auto u = static_cast<unsigned char>(AsciiUpper(c));
  int rank = 1;  // punctuation and symbols
  if (u < 0x20) rank = 0;
  else if (IsAsciiDigit(c)) rank = 2;
  else if (IsAsciiLetter(c)) rank = 3;
  else if (u >= 0x80) rank = 4;
  return rank * 256 + u;
}

}  // namespace

int AnsiCompareText(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int d = Weight(a[i]) - Weight(b[i]);
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace platform
