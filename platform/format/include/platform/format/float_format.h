#pragma once
// Floating-point numbers as text under the format settings record. Rounding
// is half away from zero on the number's 15-significant-digit decimal form,
// so 2.675 shows as 2.68 as the user would expect. Infinities and NaN give
// "INF", "-INF" and "NAN".
#include <string>
#include <string_view>

namespace platform {

struct TFormatSettings;

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// precision: significant digits (1..15). digits: for ffGeneral and
// ffExponent the least number of exponent digits (0..4); for ffFixed,
// ffNumber and ffCurrency the number of decimals (0..18). ffFixed and
// ffNumber switch to scientific notation when the integer part has more than
// `precision` digits. ffCurrency places CurrencyString by CurrencyFormat
// (0 "$1", 1 "1$", 2 "$ 1", 3 "1 $") and, for negative values, by
// NegCurrFormat (0 "($1)" .. 15 "(1 $)"), with thousand separators.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);

// ffGeneral with 15 digits.
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);

// The framework's number pictures: up to three sections "positive;negative;
// zero"; 0 and # digit places; the first . places DecimalSeparator; a , turns
// on ThousandSeparator groups; E+ E- e+ e- followed by 0s give scientific
// notation; '...' and "..." literal. An empty picture means FloatToStr.
std::string FormatFloat(std::string_view picture, double value);
std::string FormatFloat(std::string_view picture, double value, const TFormatSettings& settings);

}  // namespace platform
