// Dates and times to text and back under a format settings record.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/format/date_time.h"
#include "platform/base/exceptions.h"
#include "platform/format/format_settings.h"

using namespace platform;

namespace {

TFormatSettings UsSettings() {
  TFormatSettings settings;
  const char* days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  for (int i = 1; i <= 7; ++i) {
    settings.LongDayNames[i] = days[i - 1];
    settings.ShortDayNames[i] = std::string(days[i - 1], 3);
  }
  for (int i = 1; i <= 12; ++i) {
    settings.LongMonthNames[i] = months[i - 1];
    settings.ShortMonthNames[i] = std::string(months[i - 1], 3);
  }
  settings.ShortDateFormat = "M/d/yyyy";  // the / stands for DateSeparator
  settings.LongDateFormat = "dddd, MMMM d, yyyy";
  settings.ShortTimeFormat = "h:mm AMPM";
  settings.LongTimeFormat = "h:mm:ss AMPM";
  settings.TimeAMString = "AM";
  settings.TimePMString = "PM";
  return settings;
}

TFormatSettings GermanSettings() {
  TFormatSettings settings = UsSettings();
  settings.ShortDateFormat = "dd.MM.yyyy";
  settings.DateSeparator = '.';
  settings.LongTimeFormat = "hh:mm:ss";
  settings.TimeAMString = settings.TimePMString = "";
  return settings;
}

int ThisYear() {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return year;
}

// 2024-03-05 was a Tuesday.
const TDateTime kAfternoon = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);

}  // namespace

TEST(DateTimeCalendar, EncodesAndDecodesAroundTheEpoch) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  for (TDateTime day : {-693593.0, -1.0, 0.0, 59.0, 36585.0, 2958465.0}) {
    int year = 0, month = 0, date = 0;
    DecodeDate(day, year, month, date);
    EXPECT_EQ(EncodeDate(year, month, date), day);
  }
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  DecodeTime(kAfternoon, hour, minute, second, millisecond);
  EXPECT_EQ((std::vector<int>{hour, minute, second, millisecond}), (std::vector<int>{14, 7, 9, 45}));
  DecodeTime(-1.25, hour, minute, second, millisecond);
  EXPECT_EQ(hour, 6) << "before the epoch the fraction still counts from midnight";
  EXPECT_EQ(DayOfWeek(kAfternoon), 3);
  EXPECT_EQ(DayOfWeek(0), 7);
}

TEST(DateTimeCalendar, RejectsDatesAndTimesThatDoNotExist) {
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_FALSE(IsLeapYear(1900));
  // Decoding absurd values clamps instead of overflowing.
  int year = 0, month = 0, day = 0;
  DecodeDate(1e300, year, month, day);
  EXPECT_EQ(year, 9999);
  DecodeDate(-1e300, year, month, day);
  EXPECT_EQ(year, 1);
  DecodeDate(std::nan(""), year, month, day);
  EXPECT_EQ(year, 1899);
}

TEST(FormatDateTime, DayMonthYearPictures) {
  const TFormatSettings us = UsSettings();
  EXPECT_EQ(FormatDateTime("d dd ddd dddd", kAfternoon, us), "5 05 Tue Tuesday");
  EXPECT_EQ(FormatDateTime("m mm mmm mmmm", kAfternoon, us), "3 03 Mar March");
  EXPECT_EQ(FormatDateTime("yy yyyy", kAfternoon, us), "24 2024");
  EXPECT_EQ(FormatDateTime("ddddd", kAfternoon, us), "3/5/2024");
  EXPECT_EQ(FormatDateTime("dddddd", kAfternoon, us), "Tuesday, March 5, 2024");
  EXPECT_EQ(FormatDateTime("DDDD", EncodeDate(2024, 3, 10), us), "Sunday") << "ISO day 7";
  EXPECT_EQ(FormatDateTime("dddd", EncodeDate(2024, 3, 4), us), "Monday") << "ISO day 1";
}

TEST(FormatDateTime, TimePicturesAndMarkers) {
  const TFormatSettings us = UsSettings();
  EXPECT_EQ(FormatDateTime("h:nn:ss.zzz", kAfternoon, us), "14:07:09.045");
  EXPECT_EQ(FormatDateTime("hh:mm", kAfternoon, us), "14:07") << "m after h means minutes";
  EXPECT_EQ(FormatDateTime("mm:ss", kAfternoon, us), "07:09") << "m before s means minutes";
  EXPECT_EQ(FormatDateTime("h:mm am/pm", kAfternoon, us), "2:07 pm");
  EXPECT_EQ(FormatDateTime("h:mm AM/PM", EncodeTime(0, 5, 0, 0), us), "12:05 AM");
  EXPECT_EQ(FormatDateTime("h:mm a/p", kAfternoon, us), "2:07 p");
  EXPECT_EQ(FormatDateTime("ampm h:mm", kAfternoon, us), "PM 2:07") << "marker before the hour";
  EXPECT_EQ(FormatDateTime("t", kAfternoon, us), "2:07 PM");
  EXPECT_EQ(FormatDateTime("tt", kAfternoon, us), "2:07:09 PM");
  EXPECT_EQ(TimeToStr(kAfternoon, us), "2:07:09 PM");
}

TEST(FormatDateTime, SeparatorsLiteralsAndC) {
  TFormatSettings settings = UsSettings();
  settings.DateSeparator = '-';
  settings.TimeSeparator = '.';
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", kAfternoon, settings), "2024-03-05 14.07");
  EXPECT_EQ(FormatDateTime("'d m y' \"h:n\" d", kAfternoon, settings), "d m y h:n 5");
  EXPECT_EQ(FormatDateTime("'unterminated", kAfternoon, settings), "unterminated");
  EXPECT_EQ(FormatDateTime("c", kAfternoon, settings), "3-5-2024 2.07.09 PM") << "pictures use / and :";
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5), settings), "3-5-2024") << "midnight shows no time";
  EXPECT_EQ(FormatDateTime("", kAfternoon, settings), "3-5-2024 2.07.09 PM");
  EXPECT_EQ(DateToStr(kAfternoon, settings), "3-5-2024");
  EXPECT_EQ(FormatDateTime("yyyy'年'M'月'd'日'", kAfternoon, settings), "2024年3月5日");
}

TEST(FormatDateTime, SelfReferringFormatsStop) {
  TFormatSettings settings = UsSettings();
  settings.ShortDateFormat = "ddddd c";
  settings.LongTimeFormat = "tt";
  EXPECT_NO_THROW(FormatDateTime("c", kAfternoon, settings));
  EXPECT_LT(FormatDateTime("c", kAfternoon, settings).size(), 200u);
}

TEST(StrToDate, FollowsShortDateOrderAndSeparator) {
  EXPECT_EQ(StrToDate("3/5/2024", UsSettings()), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(" 03/05/2024 ", UsSettings()), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("5.3.2024", GermanSettings()), EncodeDate(2024, 3, 5));
  TFormatSettings ymd = UsSettings();
  ymd.ShortDateFormat = "yyyy. MM. dd.";
  ymd.DateSeparator = '.';
  EXPECT_EQ(StrToDate("2024. 03. 05.", ymd), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("3/5", UsSettings()), EncodeDate(ThisYear(), 3, 5)) << "no year: this year";
  EXPECT_EQ(StrToDate("5.3", GermanSettings()), EncodeDate(ThisYear(), 3, 5));
}

TEST(StrToDate, TwoDigitYearsUseTheCenturyWindow) {
  TFormatSettings settings = UsSettings();
  const int year = ThisYear();
  EXPECT_EQ(StrToDate("1/1/" + std::to_string((year + 30) % 100), settings),
            EncodeDate(year / 100 * 100 + (year + 30) % 100, 1, 1))
      << "window 0: the current century";
  EXPECT_EQ(StrToDate("1/1/0099", settings), EncodeDate(99, 1, 1)) << "four digits are taken as written";
#if LXV_HOST_GENERATION >= 4
  settings.TwoDigitYearCenturyWindow = 50;
  // The hundred years from this year - 50.
  EXPECT_EQ(StrToDate("1/1/" + std::to_string((year - 49) % 100), settings), EncodeDate(year - 49, 1, 1));
  EXPECT_EQ(StrToDate("1/1/" + std::to_string((year + 49) % 100), settings), EncodeDate(year + 49, 1, 1));
#endif
}

TEST(StrToDate, RejectsBadTextNamingIt) {
  for (const char* text : {"", "abc", "13/1/2024", "2/30/2024", "1//2024", "1/2/3/4", "1/2/2024x", "99999999999/1/1"}) {
    try {
      StrToDate(text, UsSettings());
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const EConvertError& error) {
      EXPECT_NE(std::string(error.what()).find(std::string("'") + text + "'"), std::string::npos) << error.what();
    }
  }
}

TEST(StrToDateTime, DateWithOptionalTimeOrTimeAlone) {
  const TFormatSettings us = UsSettings();
  EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024 2:07:09 PM", us), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024 12:30 am", us), EncodeDate(2024, 3, 5) + EncodeTime(0, 30, 0, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024", us), EncodeDate(2024, 3, 5));
  EXPECT_DOUBLE_EQ(StrToDateTime("14:07", us), EncodeTime(14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime("PM 2:07", us), EncodeTime(14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("14:07:09.5", us), EncodeTime(14, 7, 9, 500));
  EXPECT_DOUBLE_EQ(StrToDateTime("5.3.2024 14:07", GermanSettings()), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 0, 0));
  EXPECT_THROW(StrToDateTime("3/5/2024 25:00", us), EConvertError);
  EXPECT_THROW(StrToDateTime("3/5/2024 13:00 PM", us), EConvertError);
  EXPECT_THROW(StrToDateTime("3/5/2024 2:07 xyz", us), EConvertError);
  EXPECT_THROW(StrToTime("14", us), EConvertError);
}

TEST(FormatDateTime, RoundTripsThroughStrToDateTime) {
  const TFormatSettings us = UsSettings();
  const TDateTime value = EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 58, 0);
  EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value, us), us), value);
  const TFormatSettings de = GermanSettings();
  EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value, de), de), value);
}
