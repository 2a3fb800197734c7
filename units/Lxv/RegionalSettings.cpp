#include "Lxv/RegionalSettings.h"

#include <algorithm>
#include <vector>

#include "platform/format/format_settings.h"

namespace Lxv {

using namespace platform;
using F = TSettingField;

namespace {

struct TNameArray {
  const char* name;
  LCTYPE firstType;
  int count;
  const char* const* defaults;
  TSettingField field;
};

const TNameArray kNameArrays[] = {
    {"LONGDAYNAMES", LOCALE_SDAYNAME1, 7, DefaultLongDayNames, F::LongDayNames},
    {"SHORTDAYNAMES", LOCALE_SABBREVDAYNAME1, 7, DefaultShortDayNames, F::ShortDayNames},
    {"LONGMONTHNAMES", LOCALE_SMONTHNAME1, 12, DefaultLongMonthNames, F::LongMonthNames},
    {"SHORTMONTHNAMES", LOCALE_SABBREVMONTHNAME1, 12, DefaultShortMonthNames, F::ShortMonthNames},
};

struct TRow {
  const char* name;
  LCTYPE type;
  const char* fallback;
  TSettingField field;
};

// After the name arrays. The time formats are built from three answers and
// the century window is fixed: neither is queried.
const TRow kRows[] = {
    {"SHORTTIMEFORMAT", 0, "", F::ShortTimeFormat},
    {"LONGTIMEFORMAT", 0, "", F::LongTimeFormat},
    {"TIMESEPARATOR", LOCALE_STIME, ":", F::TimeSeparator},
    {"TIMEAMSTRING", LOCALE_S1159, "am", F::TimeAMString},
    {"TIMEPMSTRING", LOCALE_S2359, "pm", F::TimePMString},
    {"DATESEPARATOR", LOCALE_SDATE, "/", F::DateSeparator},
    {"SHORTDATEFORMAT", LOCALE_SSHORTDATE, "m/d/yy", F::ShortDateFormat},
    {"LONGDATEFORMAT", LOCALE_SLONGDATE, "mmmm d, yyyy", F::LongDateFormat},
    {"CURRENCYFORMAT", LOCALE_ICURRENCY, "0", F::CurrencyFormat},
    {"NEGCURRFORMAT", LOCALE_INEGCURR, "0", F::NegCurrFormat},
    {"CURRENCYDECIMALS", LOCALE_ICURRDIGITS, "2", F::CurrencyDecimals},
    {"CURRENCYSTRING", LOCALE_SCURRENCY, "", F::CurrencyString},
    {"THOUSANDSEPARATOR", LOCALE_STHOUSAND, ",", F::ThousandSeparator},
    {"DECIMALSEPARATOR", LOCALE_SDECIMAL, ".", F::DecimalSeparator},
    {"ENGLISHNAME", LOCALE_SENGLANGUAGE, "Unknown", F::EnglishName},
    {"NATIVENAME", LOCALE_SNATIVELANGNAME, "Unknown", F::NativeName},
    {"ENGLISHCOUNTRYNAME", LOCALE_SENGCOUNTRY, "Unknown", F::EnglishCountryName},
    {"NATIVECOUNTRYNAME", LOCALE_SNATIVECTRYNAME, "Unknown", F::NativeCountryName},
    {"LISTSEPARATOR", LOCALE_SLIST, ";", F::ListSeparator},
    {"TWODIGITYEARCENTURYWINDOW", 0, "0", F::TwoDigitYearCenturyWindow},
};

std::vector<TRegionalSetting> MakeRows() {
  std::vector<TRegionalSetting> rows;
  for (const TNameArray& array : kNameArrays) {
    for (int i = 1; i <= array.count; ++i) {
      std::string name = std::string(array.name) + "[" + std::to_string(i) + "]";
      rows.push_back({name, "_" + name + "=", array.firstType + static_cast<LCTYPE>(i - 1), array.defaults[i - 1],
                      array.field, i});
    }
  }
  for (const TRow& row : kRows)
    rows.push_back({row.name, std::string("_") + row.name + "=", row.type, row.fallback, row.field, 0});
  return rows;
}

const std::vector<TRegionalSetting>& Rows() {
  static const std::vector<TRegionalSetting> rows = MakeRows();
  return rows;
}

// Row indexes by key, for the lookups of every applied line.
const std::vector<const TRegionalSetting*>& ByKey() {
  static const std::vector<const TRegionalSetting*> index = [] {
    std::vector<const TRegionalSetting*> byKey;
    for (const TRegionalSetting& row : Rows()) byKey.push_back(&row);
    std::sort(byKey.begin(), byKey.end(), [](auto* a, auto* b) { return a->KeyName() < b->KeyName(); });
    return byKey;
  }();
  return index;
}

}  // namespace

std::span<const TRegionalSetting> RegionalSettings() { return Rows(); }

const TRegionalSetting* FindRegionalSetting(std::string_view keyName) {
  const auto& index = ByKey();
  const auto at = std::lower_bound(index.begin(), index.end(), keyName,
                                   [](const TRegionalSetting* row, std::string_view k) { return row->KeyName() < k; });
  return at != index.end() && (*at)->KeyName() == keyName ? *at : nullptr;
}

const TRegionalSetting& RegionalSettingOf(TSettingField field) {
  for (const TRegionalSetting& row : Rows())
    if (row.Field == field) return row;
  return Rows().front();  // every field has a row
}

TSettingValue ValueKind(TSettingField field) {
  switch (field) {
    case F::TimeSeparator: case F::DateSeparator: case F::ThousandSeparator: case F::DecimalSeparator:
    case F::ListSeparator:
      return TSettingValue::FirstChar;
    case F::CurrencyFormat: case F::NegCurrFormat: case F::CurrencyDecimals:
      return TSettingValue::Low8;
    case F::TwoDigitYearCenturyWindow:
      return TSettingValue::Low16;
    case F::EnglishName: case F::NativeName: case F::EnglishCountryName: case F::NativeCountryName:
      return TSettingValue::NotApplied;
    default:
      return TSettingValue::Text;
  }
}

}  // namespace Lxv
