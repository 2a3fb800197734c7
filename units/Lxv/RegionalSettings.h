#pragma once
// The regional settings a translation table keeps for every locale: the 58
// rows of the catalogue, in the order AddOrgProps produces them, each with
// its key, the locale query that fills it, the default when the query fails,
// and the field of the format settings it is applied to.
#include <span>
#include <string>
#include <string_view>

#include "platform/locale/locale_services.h"

namespace Lxv {

// Where a row's value goes when its locale is applied.
enum class TSettingField {
  LongDayNames, ShortDayNames, LongMonthNames, ShortMonthNames,  // element Index
  ShortTimeFormat, LongTimeFormat, TimeSeparator, TimeAMString, TimePMString,
  DateSeparator, ShortDateFormat, LongDateFormat,
  CurrencyFormat, NegCurrFormat, CurrencyDecimals, CurrencyString,
  ThousandSeparator, DecimalSeparator, ListSeparator, TwoDigitYearCenturyWindow,
  // The names of the locale: shown, never applied.
  EnglishName, NativeName, EnglishCountryName, NativeCountryName,
};

// How a value is taken into its field.
enum class TSettingValue { Text, FirstChar, Low8, Low16, NotApplied };

struct TRegionalSetting {
  std::string Name;  // "LONGDAYNAMES[1]", as the editor lists it
  std::string Key;   // "_LONGDAYNAMES[1]=", what follows the locale prefix
  platform::LCTYPE Type;  // 0: built from other answers (time formats) or fixed
  std::string Default;
  TSettingField Field;
  int Index;  // 1-based element of a name array, 0 otherwise

  // The key without its "=": what LineKey gives after the locale prefix.
  std::string_view KeyName() const { return std::string_view(Key).substr(0, Key.size() - 1); }
};

// The 58 rows in production order.
std::span<const TRegionalSetting> RegionalSettings();
// The row whose key name is `keyName` exactly ("_NEGCURRFORMAT"), null
// when none.
const TRegionalSetting* FindRegionalSetting(std::string_view keyName);
// The row of a field (of element 1 for a name array).
const TRegionalSetting& RegionalSettingOf(TSettingField field);
TSettingValue ValueKind(TSettingField field);

}  // namespace Lxv
