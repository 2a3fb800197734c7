#pragma once
// Dates and times as the framework keeps them, and the routines that turn
// them into text and back under the format settings record.
//
// Picture letters of FormatDateTime (case does not matter except for the
// AM/PM forms): c = ShortDateFormat, then LongTimeFormat unless the time is
// midnight; d dd; ddd dddd = ShortDayNames / LongDayNames, where element i
// names the i-th day of an ISO week (1 = Monday .. 7 = Sunday); ddddd =
// ShortDateFormat; dddddd = LongDateFormat; m mm (minutes when they follow an
// hour or precede seconds); mmm mmmm = ShortMonthNames / LongMonthNames;
// yy yyyy; h hh (12-hour when the picture has an AM/PM form); n nn = minutes;
// s ss; z zzz = milliseconds; t = ShortTimeFormat; tt = LongTimeFormat;
// am/pm and a/p as written; ampm = TimeAMString / TimePMString; / =
// DateSeparator; : = TimeSeparator; g gg = the thread locale's name of the
// era; '...' and "..." literal. An empty picture means "c".
// Names inside a date: in a picture of more than one field, day names and
// short month names take the form they have inside a date, and a full month
// name beside a day number (d, dd) its genitive ("1 января" for "январь") -
// the thread locale's forms (LOCALE_RETURN_GENITIVE_NAMES), written while the
// record holds that locale's own stand-alone name. A name the application put
// in the record is written as it stands.
#include <string>
#include <string_view>

namespace platform {

struct TFormatSettings;

// Days since 1899-12-30; the fraction is the time of day. For values before
// that day the fraction still counts forward from midnight (-1.25 is
// 1899-12-29 06:00).
using TDateTime = double;

// Raise EConvertError for a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
bool IsLeapYear(int year);
// 1 = Sunday .. 7 = Saturday, as the framework counts.
int DayOfWeek(TDateTime value);
TDateTime Now();
TDateTime Date();

std::string FormatDateTime(std::string_view picture, TDateTime value);
std::string FormatDateTime(std::string_view picture, TDateTime value, const TFormatSettings& settings);
std::string DateToStr(TDateTime value);  // "ddddd"
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);  // "tt"
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime value);  // "c"
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// Text to date: up to three numbers split by DateSeparator in the order of
// ShortDateFormat (day, month and year; a missing year is this year). A year
// of one or two digits takes its century from TwoDigitYearCenturyWindow: 0
// puts it in the current century; N > 0 puts it in the hundred years from
// this year - N. The generation 3 record has no window; there the rule is 0.
// Times are hour, minutes, optional seconds and milliseconds split by
// TimeSeparator, with an optional AM/PM marker before or after. Bad text
// raises EConvertError naming it.
TDateTime StrToDate(std::string_view text);
TDateTime StrToDate(std::string_view text, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view text);
TDateTime StrToTime(std::string_view text, const TFormatSettings& settings);
// A date, optionally followed by a time; or a time alone.
TDateTime StrToDateTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings);

}  // namespace platform
