#include <ctime>

#include "platform/format/date_time.h"
#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/format/format_settings.h"

namespace platform {
namespace {

int CenturyWindow([[maybe_unused]] const TFormatSettings& settings) {
#if LXV_HOST_GENERATION >= 4
  return settings.TwoDigitYearCenturyWindow;
#else
  return 0;  // this generation's record has no window
#endif
}

int CurrentYear() {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return year;
}

int WithCentury(int year, int window) {
  const int current = CurrentYear();
  if (window <= 0) return year + current / 100 * 100;
  const int pivot = current - window;
  year += pivot / 100 * 100;
  return year < pivot ? year + 100 : year;
}

// A cursor over the text with the scanning steps of the date and time forms.
class TScanner {
 public:
  explicit TScanner(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return at_ == text_.size();
  }
  std::size_t Position() const { return at_; }
  void Rewind(std::size_t at) { at_ = at; }

  void SkipBlanks() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }

  // Digits after optional blanks; `count` receives their number.
  bool Number(int& value, int& count) {
    SkipBlanks();
    value = count = 0;
    while (at_ < text_.size() && IsAsciiDigit(text_[at_]) && count < 9) {
      value = value * 10 + (text_[at_++] - '0');
      ++count;
    }
    return count > 0 && !(at_ < text_.size() && IsAsciiDigit(text_[at_]));
  }

  bool Char(char expected) {
    if (expected != ' ') SkipBlanks();
    if (at_ < text_.size() && text_[at_] == expected) {
      ++at_;
      return true;
    }
    return false;
  }

  // Case-insensitive match of a non-empty word after optional blanks.
  bool Word(std::string_view word) {
    SkipBlanks();
    if (word.empty() || !SameText(text_.substr(at_, word.size()), word)) return false;
    at_ += word.size();
    return true;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// The order of day, month and year in ShortDateFormat: "DMY", "MDY" or "YMD".
std::string DateOrder(std::string_view picture) {
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = AsciiUpper(picture[i]);
    if (picture[i] == '\'' || picture[i] == '"') {
      const auto close = picture.find(picture[i], i + 1);
      if (close == std::string_view::npos) break;
      i = close;
    } else if (c == 'D') {
      return "DMY";
    } else if (c == 'Y') {
      return "YMD";
    } else if (c == 'M') {
      return "MDY";
    }
  }
  return "MDY";
}

bool ScanDate(TScanner& scanner, const TFormatSettings& settings, TDateTime& value) {
  int numbers[3] = {}, digits[3] = {};
  int count = 0;
  while (count < 3) {
    if (count > 0 && !scanner.Char(settings.DateSeparator)) break;
    if (!scanner.Number(numbers[count], digits[count])) return false;
    ++count;
  }
  if (count < 2) return false;
  if (count == 3) scanner.Char(settings.DateSeparator);  // "2024. 05. 06." ends with one
  const std::string order = DateOrder(settings.ShortDateFormat);
  int year = CurrentYear(), month = 0, day = 0;
  const std::string present = count == 3 ? order : (order == "DMY" ? "DM" : "MD");
  for (int i = 0; i < count; ++i) {
    switch (present[static_cast<std::size_t>(i)]) {
      case 'D': day = numbers[i]; break;
      case 'M': month = numbers[i]; break;
      default:
        year = digits[i] <= 2 ? WithCentury(numbers[i], CenturyWindow(settings)) : numbers[i];
        break;
    }
  }
  return TryEncodeDate(year, month, day, value);
}

// 0 for none, 1 for a morning marker, 2 for an afternoon one.
int ScanMarker(TScanner& scanner, const TFormatSettings& settings) {
  for (std::string_view am : {std::string_view(settings.TimeAMString), std::string_view("AM"), std::string_view("A")})
    if (scanner.Word(am)) return 1;
  for (std::string_view pm : {std::string_view(settings.TimePMString), std::string_view("PM"), std::string_view("P")})
    if (scanner.Word(pm)) return 2;
  return 0;
}

bool ScanTime(TScanner& scanner, const TFormatSettings& settings, TDateTime& value) {
  int marker = ScanMarker(scanner, settings);
  int hour = 0, minute = 0, second = 0, millisecond = 0, digits = 0;
  if (!scanner.Number(hour, digits) || !scanner.Char(settings.TimeSeparator) || !scanner.Number(minute, digits))
    return false;
  if (scanner.Char(settings.TimeSeparator)) {
    if (!scanner.Number(second, digits)) return false;
    if (scanner.Char(settings.DecimalSeparator)) {
      if (!scanner.Number(millisecond, digits) || digits > 3) return false;
      for (; digits < 3; ++digits) millisecond *= 10;
    }
  }
  if (!marker) marker = ScanMarker(scanner, settings);
  if (marker) {
    if (hour > 12) return false;
    hour = hour % 12 + (marker == 2 ? 12 : 0);
  }
  return TryEncodeTime(hour, minute, second, millisecond, value);
}

[[noreturn]] void Reject(std::string_view text, const char* what) {
  throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

TDateTime StrToDate(std::string_view text, const TFormatSettings& settings) {
  TScanner scanner(text);
  TDateTime value = 0;
  if (!ScanDate(scanner, settings, value) || !scanner.AtEnd()) Reject(text, "date");
  return value;
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& settings) {
  TScanner scanner(text);
  TDateTime value = 0;
  if (!ScanTime(scanner, settings, value) || !scanner.AtEnd()) Reject(text, "time");
  return value;
}

TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings) {
  TScanner scanner(text);
  TDateTime date = 0, time = 0;
  if (ScanDate(scanner, settings, date)) {
    if (scanner.AtEnd() || (ScanTime(scanner, settings, time) && scanner.AtEnd()))
      return date < 0 ? date - time : date + time;
  } else {
    scanner.Rewind(0);
    if (ScanTime(scanner, settings, time) && scanner.AtEnd()) return time;
  }
  Reject(text, "date and time");
}

TDateTime StrToDate(std::string_view text) { return StrToDate(text, FormatSettings()); }
TDateTime StrToTime(std::string_view text) { return StrToTime(text, FormatSettings()); }
TDateTime StrToDateTime(std::string_view text) { return StrToDateTime(text, FormatSettings()); }

}  // namespace platform
