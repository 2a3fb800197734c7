// Format's floating conversions e f g n m, mapped onto FloatToStrF as the
// framework maps them. Compiled per host generation because `m` reads
// CurrencyDecimals from the format settings record.
#include "format_internal.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"

namespace platform::detail {
namespace {

constexpr int kSignificant = 15;  // what a double carries
constexpr int kExponentDigits = 3;
constexpr int kFixedDecimals = 2;

}  // namespace

std::string FloatArgument(char type, double value, int precision, const TFormatSettings& settings) {
  const bool given = precision >= 0;
  switch (type) {
    case 'e':
      return FloatToStrF(value, ffExponent, given ? precision : kSignificant, kExponentDigits, settings);
    case 'g':
      return FloatToStrF(value, ffGeneral, given ? precision : kSignificant, kExponentDigits, settings);
    case 'n':
      return FloatToStrF(value, ffNumber, kSignificant, given ? precision : kFixedDecimals, settings);
    case 'm':
      return FloatToStrF(value, ffCurrency, kSignificant, given ? precision : settings.CurrencyDecimals, settings);
    default:  // 'f'
      return FloatToStrF(value, ffFixed, kSignificant, given ? precision : kFixedDecimals, settings);
  }
}

const TFormatSettings& ProcessFormatSettings() { return FormatSettings(); }

}  // namespace platform::detail
