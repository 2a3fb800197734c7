// Date and time text from the fuzzer, read under settings records of the
// three date orders, several separators and century windows. A date read is
// written back with a four-digit year and read again to the same day. Bad
// text raises EConvertError; anything else is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"

namespace {

using platform::TDateTime;
using platform::TFormatSettings;

TFormatSettings Settings(char dateSeparator, const char* shortDate, char timeSeparator, std::uint16_t window) {
  TFormatSettings settings;
  settings.DateSeparator = dateSeparator;
  settings.ShortDateFormat = shortDate;
  settings.LongDateFormat = "dddd, mmmm d, yyyy";
  settings.TimeSeparator = timeSeparator;
  settings.TimeAMString = "vorm.";
  settings.TimePMString = "nachm.";
  settings.ShortTimeFormat = "h:nn";
  settings.LongTimeFormat = "hh:nn:ss";
  settings.TwoDigitYearCenturyWindow = window;
  return settings;
}

const std::vector<TFormatSettings>& AllSettings() {
  static const std::vector<TFormatSettings> all = {
      Settings('/', "m/d/yyyy", ':', 0),
      Settings('.', "dd.mm.yy", '.', 50),
      Settings('-', "yyyy-mm-dd", ':', 30),
      Settings(' ', "d mmm yyyy", ':', 65535),
  };
  return all;
}

void CheckDateReadsBack(TDateTime date, const TFormatSettings& settings) {
  if (!std::isfinite(date) || date != std::floor(date)) std::abort();
  TFormatSettings fullYear = settings;
  fullYear.ShortDateFormat = settings.DateSeparator == '-' ? "yyyy-mm-dd" : "d/m/yyyy";
  fullYear.DateSeparator = settings.DateSeparator == '-' ? '-' : '/';
  if (platform::StrToDate(platform::DateToStr(date, fullYear), fullYear) != date) std::abort();
}

void CheckTime(TDateTime time) {
  if (!(time >= 0 && time < 1)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const TFormatSettings& settings : AllSettings()) {
    try {
      CheckDateReadsBack(platform::StrToDate(text, settings), settings);
    } catch (const platform::EConvertError&) {
    }
    try {
      CheckTime(platform::StrToTime(text, settings));
    } catch (const platform::EConvertError&) {
    }
    try {
      if (!std::isfinite(platform::StrToDateTime(text, settings))) std::abort();
    } catch (const platform::EConvertError&) {
    }
  }
  return 0;
}
