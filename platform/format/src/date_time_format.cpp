#include <algorithm>
#include <cmath>

#include "platform/format/date_time.h"
#include "platform/base/text.h"
#include "platform/format/format_settings.h"

namespace platform {
namespace {

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
  return SameText(text.substr(at, prefix.size()), prefix);
}

// Length of the AM/PM form at `at`, or 0.
std::size_t AmPmLength(std::string_view picture, std::size_t at) {
  if (StartsWithNoCase(picture, at, "am/pm")) return 5;
  if (StartsWithNoCase(picture, at, "ampm")) return 4;
  if (StartsWithNoCase(picture, at, "a/p")) return 3;
  return 0;
}

std::size_t SkipQuoted(std::string_view picture, std::size_t at) {
  const auto close = picture.find(picture[at], at + 1);
  return close == std::string_view::npos ? picture.size() : close + 1;
}

// A picture shows a 12-hour clock when it has an AM/PM form anywhere.
bool HasAmPm(std::string_view picture) {
  for (std::size_t i = 0; i < picture.size();) {
    if (picture[i] == '\'' || picture[i] == '"') i = SkipQuoted(picture, i);
    else if (AmPmLength(picture, i)) return true;
    else ++i;
  }
  return false;
}

// Whether the next picture letter after `at` is an s (so m means minutes).
bool SecondsFollow(std::string_view picture, std::size_t at) {
  for (std::size_t i = at; i < picture.size(); ++i) {
    const char c = picture[i];
    if (IsAsciiLetter(c) || c == '\'' || c == '"') return AsciiUpper(c) == 'S';
  }
  return false;
}

class TDateTimeWriter {
 public:
  TDateTimeWriter(TDateTime value, const TFormatSettings& settings) : settings_(settings) {
    DecodeDate(value, year_, month_, day_);
    DecodeTime(value, hour_, minute_, second_, millisecond_);
    // Element 1 of the day-name arrays is Monday; DayOfWeek counts from Sunday.
    isoDay_ = (DayOfWeek(value) + 5) % 7 + 1;
  }

  std::string Take() { return std::move(out_); }

  void Write(std::string_view picture, int depth) {
    // Nested pictures (c, ddddd, t ...) go two levels deep at most, so a
    // record whose formats refer to each other cannot recurse for ever.
    if (depth > 2) return;
    if (picture.empty()) picture = "c";
    const bool twelveHour = HasAmPm(picture);
    char previous = 0;  // the last picture letter, for "h:mm"
    for (std::size_t i = 0; i < picture.size();) {
      const char c = picture[i];
      const char letter = AsciiUpper(c);
      std::size_t run = 1;
      while (i + run < picture.size() && AsciiUpper(picture[i + run]) == letter && IsAsciiLetter(c))
        ++run;
      if (c == '\'' || c == '"') {
        const std::size_t close = std::min(picture.find(c, i + 1), picture.size());
        out_.append(picture.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
      if (const std::size_t length = letter == 'A' ? AmPmLength(picture, i) : 0) {
        WriteAmPm(picture.substr(i, length));
        i += length;
        continue;
      }
      switch (letter) {
        case 'C':
          Write(settings_.ShortDateFormat, depth + 1);
          if (hour_ || minute_ || second_ || millisecond_) {
            out_ += ' ';
            Write(settings_.LongTimeFormat, depth + 1);
          }
          run = 1;
          break;
        case 'D': WriteDay(run, depth); break;
        case 'M':
          if (previous == 'H' || SecondsFollow(picture, i + run)) Number(minute_, run >= 2 ? 2 : 1);
          else WriteMonth(run);
          break;
        case 'Y': run <= 2 ? Number(year_ % 100, 2) : Number(year_, 4); break;
        case 'H': Number(twelveHour ? (hour_ + 11) % 12 + 1 : hour_, run >= 2 ? 2 : 1); break;
        case 'N': Number(minute_, run >= 2 ? 2 : 1); break;
        case 'S': Number(second_, run >= 2 ? 2 : 1); break;
        case 'Z': Number(millisecond_, run >= 2 ? 3 : 1); break;
        case 'T': Write(run >= 2 ? settings_.LongTimeFormat : settings_.ShortTimeFormat, depth + 1); break;
        case '/': out_ += settings_.DateSeparator; break;
        case ':': out_ += settings_.TimeSeparator; break;
        default: out_.append(picture.substr(i, run)); break;
      }
      if (IsAsciiLetter(c)) previous = letter;
      i += run;
    }
  }

 private:
  void Number(int value, int width) {
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) out_.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out_ += digits;
  }

  void WriteDay(std::size_t run, int depth) {
    switch (run) {
      case 1: Number(day_, 1); break;
      case 2: Number(day_, 2); break;
      case 3: out_ += settings_.ShortDayNames[isoDay_]; break;
      case 4: out_ += settings_.LongDayNames[isoDay_]; break;
      case 5: Write(settings_.ShortDateFormat, depth + 1); break;
      default: Write(settings_.LongDateFormat, depth + 1); break;
    }
  }

  void WriteMonth(std::size_t run) {
    if (run <= 2) Number(month_, static_cast<int>(run));
    else out_ += run == 3 ? settings_.ShortMonthNames[month_] : settings_.LongMonthNames[month_];
  }

  void WriteAmPm(std::string_view form) {
    const bool morning = hour_ < 12;
    if (form.size() == 4) out_ += morning ? settings_.TimeAMString : settings_.TimePMString;
    else if (form.size() == 5) out_.append(form.substr(morning ? 0 : 3, 2));
    else out_ += form[morning ? 0 : 2];
  }

  const TFormatSettings& settings_;
  int year_ = 0, month_ = 0, day_ = 0, isoDay_ = 1;
  int hour_ = 0, minute_ = 0, second_ = 0, millisecond_ = 0;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view picture, TDateTime value, const TFormatSettings& settings) {
  TDateTimeWriter writer(value, settings);
  writer.Write(picture, 0);
  return writer.Take();
}

std::string FormatDateTime(std::string_view picture, TDateTime value) {
  return FormatDateTime(picture, value, FormatSettings());
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("ddddd", value, settings);
}
std::string DateToStr(TDateTime value) { return DateToStr(value, FormatSettings()); }

std::string TimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("tt", value, settings);
}
std::string TimeToStr(TDateTime value) { return TimeToStr(value, FormatSettings()); }

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("c", value, settings);
}
std::string DateTimeToStr(TDateTime value) { return DateTimeToStr(value, FormatSettings()); }

}  // namespace platform
