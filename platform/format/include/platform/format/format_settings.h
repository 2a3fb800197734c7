#pragma once
// The process-wide regional settings read by the formatting routines, and the
// record of the system locale. Their layout depends on the host generation:
// generation 3 has no ListSeparator and no TwoDigitYearCenturyWindow.
#ifndef LXV_HOST_GENERATION
#error "format_settings.h is generation-specific: compile with LXV_HOST_GENERATION"
#endif

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// A fixed array indexed from 1, as the framework's name arrays are.
template <int N>
class TNameArray {
 public:
  std::string& operator[](int index) { return items_.at(index - 1); }
  const std::string& operator[](int index) const { return items_.at(index - 1); }
  static constexpr int Count = N;

 private:
  std::array<std::string, N> items_;
};

struct TFormatSettings {
  std::string CurrencyString;
  std::uint8_t CurrencyFormat = 0;  // the host's positive currency format
  std::uint8_t NegCurrFormat = 0;
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  std::uint8_t CurrencyDecimals = 2;
  char DateSeparator = '/';
  std::string ShortDateFormat;
  std::string LongDateFormat;
  char TimeSeparator = ':';
  std::string TimeAMString;
  std::string TimePMString;
  std::string ShortTimeFormat;
  std::string LongTimeFormat;
  // Element i is the name of the i-th day of an ISO week: 1 = Monday .. 7 = Sunday.
  TNameArray<12> ShortMonthNames;
  TNameArray<12> LongMonthNames;
  TNameArray<7> ShortDayNames;
  TNameArray<7> LongDayNames;
#if LXV_HOST_GENERATION >= 4
  char ListSeparator = ',';
  std::uint16_t TwoDigitYearCenturyWindow = 0;
#endif
};

struct TSysLocale {
  std::int32_t DefaultLCID = 0;
  std::uint16_t PriLangID = 0;  // low 10 bits of the locale identifier
  std::uint16_t SubLangID = 0;  // the bits above them, truncated to 16 bits
  bool FarEast = false;
  bool MiddleEast = false;
};

// The one record of each per process, initialised from the user's default
// locale when the platform library is loaded.
TFormatSettings& FormatSettings();
TSysLocale& SysLocale();

// Re-reads the record from the user's default locale, as at start-up.
void GetFormatSettings();

// The settings of any locale, read as at start-up: every failed query keeps
// the framework's default, and the time formats are built from the locale's
// leading-zero, clock and AM/PM-position settings ("h:mm AMPM", "hh:mm:ss").
TFormatSettings GetLocaleFormatSettings(std::uint32_t locale);
// The framework's names where a locale gives none; index 0 is Monday, January.
extern const char* const DefaultLongDayNames[7];
extern const char* const DefaultShortDayNames[7];
extern const char* const DefaultLongMonthNames[12];
extern const char* const DefaultShortMonthNames[12];

// The time pictures of a locale: "h" or "hh" after its leading-zero setting
// (LOCALE_ILZERO, "0" gives "h"), and for a 12-hour clock (LOCALE_ITIME "0")
// the marker "AMPM " in front, or " AMPM" behind when LOCALE_ITIMEMARKPOSN is
// "0". `answer(type, fallback)` gives a setting's text, the fallback when the
// query fails; the marker position is asked only for a 12-hour clock.
struct TTimePictures {
  std::string ShortTime;  // ...":mm"...
  std::string LongTime;   // ...":mm:ss"...
};
TTimePictures BuildTimePictures(const std::function<std::string(std::uint32_t type, const char* fallback)>& answer);

// The system locale record for `locale`: identifier, primary language (low
// 10 bits) and sub-language (bits 10 to 25).
TSysLocale SysLocaleFor(std::uint32_t locale);

}  // namespace platform
