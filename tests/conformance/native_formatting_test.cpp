// Dates, times, a number and amounts as the component writes them for every
// locale the services list, against ICU's own formatting of that locale
// (Gregorian calendar, Latin digits). A difference must fall in one of the
// deliberate categories the README lists; anything else is a fault.
#include <gtest/gtest.h>

#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/uloc.h>

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_services.h"

using namespace platform;

namespace {

using icu::UnicodeString;

std::string Utf8(const UnicodeString& text) {
  std::string result;
  return text.toUTF8String(result);
}

std::vector<LCID> ListedLocales() {
  static std::vector<LCID> locales;
  locales.clear();
  EnumSystemLocalesA([](char* text) -> BOOL {
    locales.push_back(static_cast<LCID>(std::stoul(text, nullptr, 16)));
    return 1;
  }, LCID_SUPPORTED);
  return locales;
}

icu::Locale IcuLocale(LCID lcid) {
  char name[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  uloc_getLocaleForLCID(lcid, name, sizeof name, &status);
  icu::Locale locale(name);
  locale.setKeywordValue("calendar", "gregorian", status);
  locale.setKeywordValue("numbers", "latn", status);
  return locale;
}

// Bidi marks go; the minus sign and the spaces ICU uses between fields become
// their one-byte forms.
std::string Plain(const std::string& text) {
  UnicodeString in = UnicodeString::fromUTF8(text), out;
  for (int i = 0; i < in.length(); ++i) {
    const char16_t c = in[i];
    if (c == 0x200E || c == 0x200F || c == 0x061C) continue;
    if (c == 0x2212) out.append(u'-');
    else if (c == 0x00A0 || c == 0x202F || c == 0x2009) out.append(u' ');
    else out.append(c);
  }
  return Utf8(out);
}

// Numbers and amounts: ICU's grouping and decimal symbols replaced by the
// record's one-byte separators.
// With `monetary`, the symbols ICU keeps for amounts alone.
std::string OneByteSymbols(const std::string& text, const icu::Locale& locale, const TFormatSettings& s,
                           bool monetary = false) {
  using D = icu::DecimalFormatSymbols;
  UErrorCode status = U_ZERO_ERROR;
  const D symbols(locale, status);
  const std::string group =
      Plain(Utf8(symbols.getSymbol(monetary ? D::kMonetaryGroupingSeparatorSymbol : D::kGroupingSeparatorSymbol)));
  const std::string point =
      Plain(Utf8(symbols.getSymbol(monetary ? D::kMonetarySeparatorSymbol : D::kDecimalSeparatorSymbol)));
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    if (!group.empty() && text.compare(i, group.size(), group) == 0) result += s.ThousandSeparator, i += group.size();
    else if (!point.empty() && text.compare(i, point.size(), point) == 0) result += s.DecimalSeparator, i += point.size();
    else result += text[i++];
  }
  return result;
}

std::string Without(std::string text, char c) {
  std::erase(text, c);
  return text;
}

// The numbers in a text, without leading zeros, one per run of digits.
std::vector<int> Numbers(const std::string& text) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    int value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) value = value * 10 + (text[i++] - '0');
    numbers.push_back(value);
  }
  return numbers;
}

enum class TKind { LongDate, ShortDate, Time, Number, Amount };

struct TComparison {
  LCID Locale;
  TKind Kind;
  std::string Ours, Icu;
  std::string IcuFourDigitYear = {};  // short dates: ICU's pattern with a four-digit year
  bool IcuHasLakhGrouping = false;
  bool IcuHasDayPeriods = false;  // times: CLDR's flexible day periods ("B")
};

// The category a comparison falls in: "agree", a deliberate one, or "error".
std::string Category(const TComparison& c, const icu::Locale& locale, const TFormatSettings& s) {
  if (c.Ours == c.Icu) return "agree";
  const std::string ours = Plain(c.Ours);
  std::string icu = Plain(c.Icu);
  if (c.Kind == TKind::Number || c.Kind == TKind::Amount) icu = OneByteSymbols(icu, locale, s);
  if (ours == icu) return "one-byte separators, minus and marks";
  if (c.Kind == TKind::ShortDate && ours == Plain(c.IcuFourDigitYear)) return "four-digit years and Latin digits";
  if (c.Kind == TKind::Amount && ours == OneByteSymbols(Plain(c.Icu), locale, s, true))
    return "monetary separators of their own";
  if ((c.Kind == TKind::Number || c.Kind == TKind::Amount) && c.IcuHasLakhGrouping &&
      Without(ours, s.ThousandSeparator) == Without(icu, s.ThousandSeparator))
    return "lakh grouping";
  if (c.Kind == TKind::Time) {
    for (const std::string& mark : {s.TimeAMString, s.TimePMString})
      if (!mark.empty() && ours.starts_with(mark + " ") && ours.substr(0, mark.size()) + ours.substr(mark.size() + 1) == icu)
        return "blank after an AM/PM prefix";
    // The catalogue builds the time pictures from the clock, leading-zero and
    // marker-position settings: the same time, in another picture.
    auto marked = [&s](const std::string& text) {
      return !s.TimeAMString.empty() &&
             (text.find(s.TimeAMString) != std::string::npos || text.find(s.TimePMString) != std::string::npos);
    };
    if (Numbers(ours) == Numbers(icu) && marked(ours) == marked(icu)) return "hour picture of the catalogue";
    if (Numbers(ours) == Numbers(icu) && c.IcuHasDayPeriods) return "flexible day periods";
  }
  return "error";
}

const char* KindName(TKind kind) {
  switch (kind) {
    case TKind::LongDate: return "long date";
    case TKind::ShortDate: return "short date";
    case TKind::Time: return "time";
    case TKind::Number: return "number";
    default: return "amount";
  }
}

class TIcuFormats {
 public:
  explicit TIcuFormats(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    longDate_.reset(icu::DateFormat::createDateInstance(icu::DateFormat::kFull, locale));
    shortDate_.reset(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    time_.reset(icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
    for (auto* format : {longDate_.get(), shortDate_.get(), time_.get()}) format->setTimeZone(*icu::TimeZone::getGMT());
    UnicodeString pattern;
    static_cast<icu::SimpleDateFormat*>(shortDate_.get())->toPattern(pattern);
    // Built afresh: a pattern's own numbering (haw's roman months) is left out.
    fourDigitYear_ = std::make_unique<icu::SimpleDateFormat>(WithFourDigitYear(pattern), locale, status);
    fourDigitYear_->setTimeZone(*icu::TimeZone::getGMT());
    static_cast<icu::SimpleDateFormat*>(time_.get())->toPattern(pattern);
    dayPeriods_ = pattern.indexOf(u'B') >= 0;
    number_.reset(icu::NumberFormat::createInstance(locale, UNUM_DECIMAL, status));
    number_->setMinimumFractionDigits(2);
    number_->setMaximumFractionDigits(2);
    amount_.reset(icu::NumberFormat::createInstance(locale, UNUM_CURRENCY, status));
    const auto* decimal = dynamic_cast<const icu::DecimalFormat*>(number_.get());
    lakh_ = decimal && decimal->getSecondaryGroupingSize() > 0 &&
            decimal->getSecondaryGroupingSize() != decimal->getGroupingSize();
  }

  std::string Date(TKind kind, TDateTime value) const {
    return Format(kind == TKind::LongDate ? *longDate_ : kind == TKind::ShortDate ? *shortDate_ : *time_, value);
  }
  std::string FourDigitYearDate(TDateTime value) const { return Format(*fourDigitYear_, value); }
  std::string Number(double value) const { return Format(*number_, value); }
  std::string Amount(double value) const { return Format(*amount_, value); }
  bool Lakh() const { return lakh_; }
  bool DayPeriods() const { return dayPeriods_; }

 private:
  static UnicodeString WithFourDigitYear(const UnicodeString& pattern) {
    UnicodeString result;
    bool quoted = false;
    for (int i = 0; i < pattern.length(); ++i) {
      if (pattern[i] == u'\'') quoted = !quoted;
      if (quoted || pattern[i] != u'y') {
        result.append(pattern[i]);
        continue;
      }
      while (i + 1 < pattern.length() && pattern[i + 1] == u'y') ++i;
      result.append(u"yyyy");
    }
    return result;
  }
  static std::string Format(const icu::DateFormat& format, TDateTime value) {
    UnicodeString text;
    return Utf8(format.format((value - 25569.0) * 86400000.0, text));
  }
  static std::string Format(const icu::NumberFormat& format, double value) {
    UnicodeString text;
    return Utf8(format.format(value, text));
  }

  std::unique_ptr<icu::DateFormat> longDate_, shortDate_, time_;
  std::unique_ptr<icu::SimpleDateFormat> fourDigitYear_;
  std::unique_ptr<icu::NumberFormat> number_, amount_;
  bool lakh_ = false, dayPeriods_ = false;
};

std::vector<TComparison> CompareLocale(Lxv::TLexivar& lexivar, LCID lcid, std::map<std::string, int>& counts,
                                       std::vector<std::string>& errors) {
  lexivar.Translations()->Clear();
  lexivar.AddOrgProps(lcid, *lexivar.Translations());
  const TFormatSettings s = lexivar.SettingsOf(lcid);
  SetThreadLocale(lcid);
  const icu::Locale locale = IcuLocale(lcid);
  const TIcuFormats icu(locale);
  static const TDateTime kDates[] = {EncodeDate(2000, 1, 1),  EncodeDate(2001, 2, 28), EncodeDate(2010, 3, 15),
                                     EncodeDate(2023, 5, 17), EncodeDate(2024, 8, 8),  EncodeDate(1999, 12, 31)};
  static const TDateTime kTimes[] = {EncodeTime(9, 5, 7, 0), EncodeTime(21, 45, 30, 0)};
  std::vector<TComparison> comparisons;
  for (TDateTime date : kDates) {
    comparisons.push_back({lcid, TKind::LongDate, FormatDateTime("dddddd", date, s), icu.Date(TKind::LongDate, date)});
    comparisons.push_back({lcid, TKind::ShortDate, FormatDateTime("ddddd", date, s), icu.Date(TKind::ShortDate, date),
                           icu.FourDigitYearDate(date)});
  }
  for (TDateTime time : kTimes)
    comparisons.push_back({lcid, TKind::Time, FormatDateTime("tt", time, s), icu.Date(TKind::Time, time), "", false,
                           icu.DayPeriods()});
  comparisons.push_back({lcid, TKind::Number, FloatToStrF(1234567.891, ffNumber, 15, 2, s), icu.Number(1234567.891),
                         "", icu.Lakh()});
  for (double amount : {1234567.89, -1234.25})
    comparisons.push_back({lcid, TKind::Amount, FloatToStrF(amount, ffCurrency, 15, s.CurrencyDecimals, s),
                           icu.Amount(amount), "", icu.Lakh()});
  for (const TComparison& c : comparisons) {
    const std::string category = Category(c, locale, s);
    ++counts[category];
    if (category == "error")
      errors.push_back(locale.getName() + std::string(" ") + KindName(c.Kind) + ": \"" + c.Ours + "\" for \"" +
                       c.Icu + "\"");
  }
  return comparisons;
}

}  // namespace

TEST(NativeFormatting, EveryListedLocaleWritesWhatIcuWritesOrDiffersDeliberately) {
  const LCID threadLocale = GetThreadLocale();
  Lxv::TLexivar lexivar(nullptr);
  std::map<std::string, int> counts;
  std::vector<std::string> errors;
  int total = 0;
  const std::vector<LCID> locales = ListedLocales();
  ASSERT_GT(locales.size(), 200u);
  for (LCID lcid : locales) total += static_cast<int>(CompareLocale(lexivar, lcid, counts, errors).size());
  SetThreadLocale(threadLocale);

  std::cout << total << " comparisons over " << locales.size() << " locales\n";
  for (const auto& [category, count] : counts)
    std::cout << "  " << category << ": " << count << " (" << 100.0 * count / total << "%)\n";
  for (std::size_t i = 0; i < errors.size() && i < 40; ++i) std::cout << "  " << errors[i] << "\n";
  EXPECT_GE(total - counts["error"], total * 995 / 1000) << errors.size() << " errors";
}
