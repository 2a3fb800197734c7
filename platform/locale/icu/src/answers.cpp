#include "answers.h"

#include <unicode/datefmt.h>
#include <unicode/decimfmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/dtfmtsym.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/ucurr.h>
#include <unicode/uniset.h>

#include <memory>

#include "best_fit.h"
#include "pattern.h"

namespace platform::detail {
namespace {

using icu::UnicodeString;

std::string Utf8(const UnicodeString& text) {
  std::string result;
  return text.toUTF8String(result);
}

class TAnswerSheet {
 public:
  void Set(LCTYPE type, std::string value) {
    answers_[static_cast<std::size_t>(CatalogueSlot(type))] =
        IsSingleByteSetting(type) ? SingleByteSetting(value) : std::move(value);
  }
  const std::string& Get(LCTYPE type) const { return answers_[static_cast<std::size_t>(CatalogueSlot(type))]; }
  TLocaleAnswers Take() { return std::move(answers_); }

 private:
  TLocaleAnswers answers_;
};

UnicodeString DatePattern(icu::DateFormat* format) {
  UnicodeString pattern;
  if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format)) simple->toPattern(pattern);
  return pattern;
}

UnicodeString DatePattern(const icu::Locale& locale, icu::DateFormat::EStyle dateStyle) {
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(dateStyle, locale));
  return DatePattern(format.get());
}

UnicodeString TimePattern(const icu::Locale& locale, icu::DateFormat::EStyle timeStyle) {
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createTimeInstance(timeStyle, locale));
  return DatePattern(format.get());
}

UnicodeString NumberPattern(const icu::Locale& locale, UNumberFormatStyle style) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberFormat> format(icu::NumberFormat::createInstance(locale, style, status));
  UnicodeString pattern;
  if (auto* decimal = dynamic_cast<icu::DecimalFormat*>(format.get()); U_SUCCESS(status) && decimal)
    decimal->toPattern(pattern);
  return pattern;
}

void AddNames(TAnswerSheet& sheet, const icu::Locale& locale) {
  // Inside a date the names take the context the locale's full date gives
  // them: most use the format forms, Finnish its stand-alone weekdays.
  const UnicodeString fullDate = DatePattern(locale, icu::DateFormat::kFull);
  using S = icu::DateFormatSymbols;
  const S::DtContextType dayContext = FirstField(fullDate, u"Ec") == u'c' ? S::STANDALONE : S::FORMAT;
  const S::DtContextType monthContext = FirstField(fullDate, u"ML") == u'L' ? S::STANDALONE : S::FORMAT;
  UErrorCode status = U_ZERO_ERROR;
  icu::DateFormatSymbols symbols(locale, status);
  if (U_FAILURE(status)) return;
  int32_t count = 0;
  // The plain types give the names as they stand alone; with the flag, as
  // they stand inside a date.
  for (const auto& [standAlone, flag] : {std::pair{true, LCTYPE{0}}, {false, LOCALE_RETURN_GENITIVE_NAMES}}) {
    // ICU counts days from Sunday = 1; the catalogue's day 1 is Monday.
    for (const auto& [width, first] : {std::pair{S::WIDE, LOCALE_SDAYNAME1}, {S::ABBREVIATED, LOCALE_SABBREVDAYNAME1}}) {
      const UnicodeString* days = symbols.getWeekdays(count, standAlone ? S::STANDALONE : dayContext, width);
      for (int day = 1; day <= 7 && count > 7; ++day) sheet.Set((first + day - 1) | flag, Utf8(days[day % 7 + 1]));
    }
    for (const auto& [width, first] : {std::pair{S::WIDE, LOCALE_SMONTHNAME1}, {S::ABBREVIATED, LOCALE_SABBREVMONTHNAME1}}) {
      const UnicodeString* months = symbols.getMonths(count, standAlone ? S::STANDALONE : monthContext, width);
      for (int month = 0; month < 12 && month < count; ++month) sheet.Set((first + month) | flag, Utf8(months[month]));
    }
  }
  // The calendar is Gregorian: era 1 is that of the common years.
  const UnicodeString* eras = symbols.getEras(count);
  if (count >= 2) sheet.Set(LOCALE_SERANAME, Utf8(eras[1]));
  const UnicodeString* marks = symbols.getAmPmStrings(count);
  if (count >= 2) {
    sheet.Set(LOCALE_S1159, Utf8(marks[0]));
    sheet.Set(LOCALE_S2359, Utf8(marks[1]));
  }
}

void AddTimeAndDate(TAnswerSheet& sheet, const icu::Locale& locale) {
  const UnicodeString shortTime = TimePattern(locale, icu::DateFormat::kShort);
  const UnicodeString mediumTime = TimePattern(locale, icu::DateFormat::kMedium);
  const bool twentyFourHours = FirstField(shortTime, u"HhKk") == u'H' || FirstField(shortTime, u"HhKk") == u'k';
  sheet.Set(LOCALE_ITIME, twentyFourHours ? "1" : "0");
  sheet.Set(LOCALE_ITIMEMARKPOSN, FieldComesBefore(shortTime, u"abB", u"HhKk") ? "1" : "0");
  sheet.Set(LOCALE_STIME, TimeSeparatorOf(mediumTime));
  sheet.Set(LOCALE_STIMEFORMAT, PictureFromIcuPattern(mediumTime));
  // Windows leaves the day-period strings empty where the clock has 24 hours.
  if (twentyFourHours) {
    sheet.Set(LOCALE_S1159, "");
    sheet.Set(LOCALE_S2359, "");
  }
  const UnicodeString shortDate = DatePattern(locale, icu::DateFormat::kShort);
  sheet.Set(LOCALE_SDATE, LiteralAfterField(shortDate, u"dMLy"));
  sheet.Set(LOCALE_SSHORTDATE, PictureFromIcuPattern(shortDate));
  sheet.Set(LOCALE_SLONGDATE, PictureFromIcuPattern(DatePattern(locale, icu::DateFormat::kFull)));
}

// Whether ICU puts a blank between the number and the locale's currency
// symbol where the pattern has none: it does beside a letter ("Rs 1,234").
bool BlankBesideSymbol(const icu::Locale& locale, bool symbolFirst) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(locale, status);
  // The rules for the side of the symbol that faces the number.
  const bool before = !symbolFirst;
  const UnicodeString& match = symbols.getPatternForCurrencySpacing(UNUM_CURRENCY_MATCH, before, status);
  const UnicodeString& insert = symbols.getPatternForCurrencySpacing(UNUM_CURRENCY_INSERT, before, status);
  const UnicodeString symbol = symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol);
  if (U_FAILURE(status) || insert.isEmpty() || symbol.isEmpty()) return false;
  const icu::UnicodeSet letters(match, status);
  if (U_FAILURE(status)) return false;
  return letters.contains(symbolFirst ? symbol.char32At(symbol.length() - 1) : symbol.char32At(0));
}

void AddNumbers(TAnswerSheet& sheet, const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(locale, status);
  if (U_SUCCESS(status)) {
    using D = icu::DecimalFormatSymbols;
    sheet.Set(LOCALE_SDECIMAL, Utf8(symbols.getSymbol(D::kDecimalSeparatorSymbol)));
    sheet.Set(LOCALE_STHOUSAND, Utf8(symbols.getSymbol(D::kGroupingSeparatorSymbol)));
    sheet.Set(LOCALE_SCURRENCY, Utf8(symbols.getSymbol(D::kCurrencySymbol)));
  }
  // There is no list separator in CLDR; this is the rule Windows data follows.
  sheet.Set(LOCALE_SLIST, sheet.Get(LOCALE_SDECIMAL) == "," ? ";" : ",");
  sheet.Set(LOCALE_ILZERO, HasLeadingZero(NumberPattern(locale, UNUM_DECIMAL)) ? "1" : "0");
  // The standard pattern, not the accounting one: Windows mostly shows a
  // minus sign where CLDR's accounting form has parentheses.
  TCurrencyCodes codes = CurrencyCodesFromPattern(NumberPattern(locale, UNUM_CURRENCY));
  if (BlankBesideSymbol(locale, codes.Positive % 2 == 0)) codes = WithBlankBesideSymbol(codes);
  sheet.Set(LOCALE_ICURRENCY, std::to_string(codes.Positive));
  sheet.Set(LOCALE_INEGCURR, std::to_string(codes.Negative));
  UChar currency[4] = {};
  status = U_ZERO_ERROR;
  ucurr_forLocale(locale.getName(), currency, 4, &status);
  const int32_t digits = U_SUCCESS(status) ? ucurr_getDefaultFractionDigits(currency, &status) : 2;
  sheet.Set(LOCALE_ICURRDIGITS, std::to_string(U_SUCCESS(status) ? digits : 2));
}

void AddDisplayNames(TAnswerSheet& sheet, const icu::Locale& locale) {
  const icu::Locale english("en");
  UnicodeString text;
  sheet.Set(LOCALE_SENGLANGUAGE, Utf8(locale.getDisplayLanguage(english, text)));
  sheet.Set(LOCALE_SNATIVELANGNAME, Utf8(locale.getDisplayLanguage(locale, text)));
  sheet.Set(LOCALE_SENGCOUNTRY, Utf8(locale.getDisplayCountry(english, text)));
  sheet.Set(LOCALE_SNATIVECTRYNAME, Utf8(locale.getDisplayCountry(locale, text)));
}

}  // namespace

TLocaleAnswers ComputeLocaleAnswers(const icu::Locale& locale) {
  TAnswerSheet sheet;
  AddNames(sheet, locale);
  AddTimeAndDate(sheet, locale);
  AddNumbers(sheet, locale);
  AddDisplayNames(sheet, locale);
  return sheet.Take();
}

}  // namespace platform::detail
