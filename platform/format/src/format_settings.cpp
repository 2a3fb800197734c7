#include "platform/format/format_settings.h"

#include <charconv>

#include "platform/locale/locale_services.h"

namespace platform {

const char* const DefaultLongDayNames[7] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                            "Friday", "Saturday", "Sunday"};
const char* const DefaultShortDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const DefaultLongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
const char* const DefaultShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

TTimePictures BuildTimePictures(const std::function<std::string(std::uint32_t type, const char* fallback)>& answer) {
  const std::string hour = answer(LOCALE_ILZERO, "0") == "0" ? "h" : "hh";
  std::string prefix, suffix;
  if (answer(LOCALE_ITIME, "0") == "0") {
    if (answer(LOCALE_ITIMEMARKPOSN, " AMPM") == "0") suffix = " AMPM";
    else prefix = "AMPM ";
  }
  return {prefix + hour + ":mm" + suffix, prefix + hour + ":mm:ss" + suffix};
}

namespace {

class TLocaleReader {
 public:
  explicit TLocaleReader(LCID locale) : locale_(locale) {}

  std::string Text(LCTYPE type, const char* fallback) const {
    char buffer[256];
    return GetLocaleInfoA(locale_, type, buffer, 255) ? std::string(buffer) : std::string(fallback);
  }
  char Char(LCTYPE type, char fallback) const {
    const std::string text = Text(type, "");
    return text.empty() ? fallback : text[0];
  }
  std::uint8_t Number(LCTYPE type, std::uint8_t fallback) const {
    const std::string text = Text(type, "");
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= 255
               ? static_cast<std::uint8_t>(value) : fallback;
  }

 private:
  LCID locale_;
};

void ReadNames(const TLocaleReader& reader, TFormatSettings& settings) {
  for (int i = 1; i <= 7; ++i) {
    settings.LongDayNames[i] = reader.Text(LOCALE_SDAYNAME1 + i - 1, DefaultLongDayNames[i - 1]);
    settings.ShortDayNames[i] = reader.Text(LOCALE_SABBREVDAYNAME1 + i - 1, DefaultShortDayNames[i - 1]);
  }
  for (int i = 1; i <= 12; ++i) {
    settings.LongMonthNames[i] = reader.Text(LOCALE_SMONTHNAME1 + i - 1, DefaultLongMonthNames[i - 1]);
    settings.ShortMonthNames[i] = reader.Text(LOCALE_SABBREVMONTHNAME1 + i - 1, DefaultShortMonthNames[i - 1]);
  }
}

// The same construction the translation table uses, so that the record at
// start-up equals the record after applying the user's default locale.
void ReadTimeFormats(const TLocaleReader& reader, TFormatSettings& settings) {
  TTimePictures pictures = BuildTimePictures([&reader](LCTYPE type, const char* fallback) {
    return reader.Text(type, fallback);
  });
  settings.ShortTimeFormat = std::move(pictures.ShortTime);
  settings.LongTimeFormat = std::move(pictures.LongTime);
}

}  // namespace

TFormatSettings GetLocaleFormatSettings(std::uint32_t locale) {
  // Resolve a default once rather than on each of the sixty queries.
  const TLocaleReader reader(ResolveDefaultLCID(locale));
  TFormatSettings settings;
  ReadNames(reader, settings);
  ReadTimeFormats(reader, settings);
  settings.CurrencyString = reader.Text(LOCALE_SCURRENCY, "");
  settings.CurrencyFormat = reader.Number(LOCALE_ICURRENCY, 0);
  settings.NegCurrFormat = reader.Number(LOCALE_INEGCURR, 0);
  settings.CurrencyDecimals = reader.Number(LOCALE_ICURRDIGITS, 2);
  settings.ThousandSeparator = reader.Char(LOCALE_STHOUSAND, ',');
  settings.DecimalSeparator = reader.Char(LOCALE_SDECIMAL, '.');
  settings.DateSeparator = reader.Char(LOCALE_SDATE, '/');
  settings.TimeSeparator = reader.Char(LOCALE_STIME, ':');
  settings.ShortDateFormat = reader.Text(LOCALE_SSHORTDATE, "m/d/yy");
  settings.LongDateFormat = reader.Text(LOCALE_SLONGDATE, "mmmm d, yyyy");
  settings.TimeAMString = reader.Text(LOCALE_S1159, "am");
  settings.TimePMString = reader.Text(LOCALE_S2359, "pm");
#if LXV_HOST_GENERATION >= 4
  settings.ListSeparator = reader.Char(LOCALE_SLIST, ';');
  settings.TwoDigitYearCenturyWindow = 0;
#endif
  return settings;
}

TSysLocale SysLocaleFor(std::uint32_t locale) {
  TSysLocale record;
  record.DefaultLCID = static_cast<std::int32_t>(locale);
  record.PriLangID = static_cast<std::uint16_t>(locale & 0x3FF);
  record.SubLangID = static_cast<std::uint16_t>(locale >> 10);
  const unsigned language = locale & 0x3FF;
  record.FarEast = language == 0x04 || language == 0x11 || language == 0x12;  // zh, ja, ko
  record.MiddleEast = language == 0x01 || language == 0x0D || language == 0x29 || language == 0x20;  // ar, he, fa, ur
  return record;
}

// Function-local statics: safe to reach from any other static initialiser.
TFormatSettings& FormatSettings() {
  static TFormatSettings settings = GetLocaleFormatSettings(GetUserDefaultLCID());
  return settings;
}

TSysLocale& SysLocale() {
  static TSysLocale record = SysLocaleFor(GetUserDefaultLCID());
  return record;
}

void GetFormatSettings() { FormatSettings() = GetLocaleFormatSettings(GetUserDefaultLCID()); }

namespace {
// Fill both records when the library is loaded, as the framework does.
[[maybe_unused]] const bool loadedAtStartup = (FormatSettings(), SysLocale(), true);
}  // namespace

}  // namespace platform
