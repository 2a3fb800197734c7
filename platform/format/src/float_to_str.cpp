#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "float_decimal.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"

namespace platform {
namespace {

using detail::TDecimal;

std::string NotANumber(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

void AppendDecimals(std::string& text, char separator, const std::string& decimals) {
  text += separator;
  text += decimals;
}

std::string WithGroups(const std::string& integer, char separator) {
  std::string grouped;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
    grouped += integer[i];
  }
  return grouped;
}

std::string ExponentText(int exponent, bool alwaysSign, int minDigits) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  std::string text(exponent < 0 ? "-" : alwaysSign ? "+" : "");
  return text += digits;
}

// d.ddd with `fraction` digits after the point (trailing zeros dropped when
// `trim`), then E and the exponent.
std::string Scientific(const TDecimal& decimal, int fraction, bool trim, bool alwaysSign, int expDigits,
                       const TFormatSettings& settings) {
  std::string mantissa = decimal.IsZero() ? "0" : decimal.Digits;
  mantissa.resize(static_cast<std::size_t>(fraction) + 1, '0');
  std::string rest = mantissa.substr(1);
  if (trim) rest.erase(rest.find_last_not_of('0') + 1);
  const int exponent = decimal.IsZero() ? 0 : decimal.Exponent - 1;
  std::string text(decimal.Negative && !decimal.IsZero() ? "-" : "");
  text += mantissa[0];
  if (!rest.empty()) AppendDecimals(text, settings.DecimalSeparator, rest);
  return text + "E" + ExponentText(exponent, alwaysSign, expDigits);
}

std::string General(const TDecimal& decimal, int precision, int digits, const TFormatSettings& settings) {
  if (decimal.IsZero()) return "0";
  if (decimal.Exponent > precision || decimal.Exponent < -4)
    return Scientific(decimal, precision - 1, true, false, digits, settings);
  std::string integer = decimal.IntegerPart();
  const std::string fraction =
      decimal.FractionPart(std::max(0, static_cast<int>(decimal.Digits.size()) - decimal.Exponent));
  std::string text(decimal.Negative ? "-" : "");
  text += integer.empty() ? "0" : integer;
  if (!fraction.empty()) AppendDecimals(text, settings.DecimalSeparator, fraction);
  return text;
}

// The unsigned digits of a fixed-point number, "1,234.50" style.
std::string FixedDigits(const TDecimal& decimal, int decimals, bool groups, const TFormatSettings& settings) {
  std::string integer = decimal.IntegerPart();
  if (integer.empty()) integer.push_back('0');
  if (groups) integer = WithGroups(integer, settings.ThousandSeparator);
  if (decimals > 0) AppendDecimals(integer, settings.DecimalSeparator, decimal.FractionPart(decimals));
  return integer;
}

constexpr std::array<std::string_view, 4> kPositiveCurrency = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> kNegativeCurrency = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

std::string Currency(const std::string& number, bool negative, const TFormatSettings& settings) {
  const std::string_view shape = negative ? kNegativeCurrency[std::min<std::size_t>(settings.NegCurrFormat, 15)]
                                          : kPositiveCurrency[std::min<std::size_t>(settings.CurrencyFormat, 3)];
  std::string text;
  for (char c : shape) {
    if (c == '$') text += settings.CurrencyString;
    else if (c == '1') text += number;
    else text += c;
  }
  return text;
}

}  // namespace

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
  if (!std::isfinite(value)) return NotANumber(value);
  precision = std::clamp(precision, 1, 15);
  const TDecimal rounded = detail::RoundSignificant(detail::ToDecimal(value), precision);
  switch (format) {
    case ffExponent:
      return Scientific(rounded, precision - 1, false, true, std::clamp(digits, 0, 4), settings);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      if (rounded.Exponent > precision) return General(rounded, precision, 0, settings);
      digits = std::clamp(digits, 0, 18);
      const TDecimal fixed = detail::RoundDecimals(rounded, digits);
      const bool negative = fixed.Negative && !fixed.IsZero();
      const std::string number = FixedDigits(fixed, digits, format != ffFixed, settings);
      if (format == ffCurrency) return Currency(number, negative, settings);
      return negative ? detail::WithMinus(number) : number;
    }
    case ffGeneral:
    default:
      return General(rounded, precision, std::clamp(digits, 0, 4), settings);
  }
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

std::string FloatToStr(double value, const TFormatSettings& settings) {
  return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

}  // namespace platform
