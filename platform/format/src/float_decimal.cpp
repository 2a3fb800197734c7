#include "float_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform::detail {

std::string TDecimal::IntegerPart() const {
  if (Exponent <= 0) return "";
  std::string part = Digits.substr(0, static_cast<std::size_t>(Exponent));
  part.resize(static_cast<std::size_t>(Exponent), '0');
  return part;
}

std::string TDecimal::FractionPart(int count) const {
  if (count <= 0) return "";
  std::string part;
  if (Exponent < 0) part.assign(static_cast<std::size_t>(-Exponent), '0');
  if (static_cast<std::size_t>(std::max(Exponent, 0)) < Digits.size())
    part += Digits.substr(static_cast<std::size_t>(std::max(Exponent, 0)));
  part.resize(static_cast<std::size_t>(count), '0');
  return part;
}

TDecimal ToDecimal(double value) {
  TDecimal decimal;
  decimal.Negative = std::signbit(value);
  if (value == 0) return decimal;
  char text[32];
  std::snprintf(text, sizeof text, "%.14e", std::fabs(value));  // d.dddddddddddddde+XX
  decimal.Digits = std::string(1, text[0]) + std::string(text + 2, 14);
  decimal.Exponent = std::atoi(text + 17) + 1;
  decimal.Digits.erase(decimal.Digits.find_last_not_of('0') + 1);
  return decimal;
}

TDecimal RoundSignificant(TDecimal decimal, int significant) {
  if (significant < 0) significant = 0;
  const auto keep = static_cast<std::size_t>(significant);
  if (keep >= decimal.Digits.size()) return decimal;
  const bool up = decimal.Digits[keep] >= '5';
  decimal.Digits.resize(keep);
  if (up) {
    std::size_t i = keep;
    while (i > 0 && decimal.Digits[i - 1] == '9') decimal.Digits[--i] = '0';
    if (i == 0) {
      decimal.Digits.insert(decimal.Digits.begin(), '1');
      ++decimal.Exponent;
    } else {
      ++decimal.Digits[i - 1];
    }
  }
  decimal.Digits.erase(decimal.Digits.find_last_not_of('0') + 1);
  if (decimal.Digits.empty()) decimal.Exponent = 0;
  return decimal;
}

TDecimal RoundDecimals(const TDecimal& decimal, int decimals) {
  if (decimal.IsZero()) return decimal;
  const int significant = decimal.Exponent + decimals;
  if (significant < 0) return TDecimal{decimal.Negative, "", 0};
  return RoundSignificant(decimal, significant);
}

std::string WithMinus(const std::string& text) { return "-" + text; }

}  // namespace platform::detail
