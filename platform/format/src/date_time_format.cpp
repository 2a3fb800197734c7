#include <algorithm>
#include <cmath>

#include "platform/format/date_time.h"
#include "platform/base/text.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_services.h"
#include "locale_names.h"

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

// What decides the form of the names: a name inside a date with other
// fields takes the form it has there, a full month name the one it has
// beside a day number (the genitive "1 января", not "январь").
struct TPictureShape {
  int Fields = 0;
  bool DayNumber = false;
};

TPictureShape ShapeOf(std::string_view picture) {
  TPictureShape shape;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    const char letter = AsciiUpper(c);
    if (c == '\'' || c == '"') {
      i = SkipQuoted(picture, i);
    } else if (const std::size_t length = letter == 'A' ? AmPmLength(picture, i) : 0) {
      ++shape.Fields;
      i += length;
    } else if (IsAsciiLetter(c)) {
      std::size_t run = 1;
      while (i + run < picture.size() && AsciiUpper(picture[i + run]) == letter) ++run;
      if (std::string_view("CDMYHNSZTG").find(letter) != std::string_view::npos) ++shape.Fields;
      if (letter == 'D' && run <= 2) shape.DayNumber = true;
      i += run;
    } else {
      ++i;
    }
  }
  return shape;
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
    const TPictureShape shape = ShapeOf(picture);
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
        case 'D': WriteDay(run, depth, shape); break;
        case 'M':
          if (previous == 'H' || SecondsFollow(picture, i + run)) Number(minute_, run >= 2 ? 2 : 1);
          else WriteMonth(run, shape);
          break;
        case 'Y': run <= 2 ? Number(year_ % 100, 2) : Number(year_, 4); break;
        case 'H': Number(twelveHour ? (hour_ + 11) % 12 + 1 : hour_, run >= 2 ? 2 : 1); break;
        case 'N': Number(minute_, run >= 2 ? 2 : 1); break;
        case 'S': Number(second_, run >= 2 ? 2 : 1); break;
        case 'Z': Number(millisecond_, run >= 2 ? 3 : 1); break;
        case 'G': out_ += Era(); break;
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

  void WriteDay(std::size_t run, int depth, TPictureShape shape) {
    const bool inDate = shape.Fields > 1;
    switch (run) {
      case 1: Number(day_, 1); break;
      case 2: Number(day_, 2); break;
      case 3: out_ += Name(settings_.ShortDayNames[isoDay_], DayType(LOCALE_SABBREVDAYNAME1), inDate); break;
      case 4: out_ += Name(settings_.LongDayNames[isoDay_], DayType(LOCALE_SDAYNAME1), inDate); break;
      case 5: Write(settings_.ShortDateFormat, depth + 1); break;
      default: Write(settings_.LongDateFormat, depth + 1); break;
    }
  }

  void WriteMonth(std::size_t run, TPictureShape shape) {
    if (run <= 2) Number(month_, static_cast<int>(run));
    else if (run == 3) out_ += Name(settings_.ShortMonthNames[month_], MonthType(LOCALE_SABBREVMONTHNAME1), shape.Fields > 1);
    else out_ += Name(settings_.LongMonthNames[month_], MonthType(LOCALE_SMONTHNAME1), shape.DayNumber);
  }

  // The record's name, or inside a date the thread locale's form for there
  // while the record still holds that locale's own stand-alone name: a name
  // the application chose is written as it stands.
  const std::string& Name(const std::string& name, LCTYPE type, bool inDate) {
    if (!inDate) return name;
    const detail::TLocaleNames& names = Names();
    const std::size_t i = type - LOCALE_SDAYNAME1;
    return name == names.StandAlone[i] && !names.InDate[i].empty() ? names.InDate[i] : name;
  }

  LCTYPE DayType(LCTYPE first) const { return first + static_cast<LCTYPE>(isoDay_ - 1); }
  LCTYPE MonthType(LCTYPE first) const { return first + static_cast<LCTYPE>(month_ - 1); }

  std::string Era() {
    const std::string& era = Names().Era;
    return era.empty() ? "AD" : era;
  }

  const detail::TLocaleNames& Names() {
    if (!names_) names_ = &detail::LocaleNames(GetThreadLocale());
    return *names_;
  }

  void WriteAmPm(std::string_view form) {
    const bool morning = hour_ < 12;
    if (form.size() == 4) out_ += morning ? settings_.TimeAMString : settings_.TimePMString;
    else if (form.size() == 5) out_.append(form.substr(morning ? 0 : 3, 2));
    else out_ += form[morning ? 0 : 2];
  }

  const TFormatSettings& settings_;
  const detail::TLocaleNames* names_ = nullptr;
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
