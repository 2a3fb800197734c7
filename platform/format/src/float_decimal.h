#pragma once
// A double as decimal digits, the common ground of the number formatting
// routines.
#include <string>

namespace platform::detail {

// |value| = 0.Digits x 10^Exponent; Digits has no trailing zeros and is empty
// for zero.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;

  bool IsZero() const { return Digits.empty(); }
  // The digits before the decimal point ("" when there are none).
  std::string IntegerPart() const;
  // The first `count` digits after the decimal point, padded with zeros.
  std::string FractionPart(int count) const;
};

// The value's 15-significant-digit form (value must be finite).
TDecimal ToDecimal(double value);
// Keeps at most `significant` digits, rounding half away from zero.
TDecimal RoundSignificant(TDecimal decimal, int significant);
// Keeps no digit below 10^-decimals, rounding half away from zero.
TDecimal RoundDecimals(const TDecimal& decimal, int decimals);

// "-" followed by `text`.
std::string WithMinus(const std::string& text);

}  // namespace platform::detail
