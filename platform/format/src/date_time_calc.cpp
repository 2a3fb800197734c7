#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <string>

#include "platform/format/date_time.h"
#include "platform/base/exceptions.h"

namespace platform {
namespace {

constexpr long long kMillisecondsPerDay = 86400000;
// Days from 0000-03-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr long long kEpochShift = 693899;

// Civil date to days since 0000-03-01 (a year starting in March puts the
// leap day last).
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Whole days and milliseconds of the day; out-of-range values clamp to the
// framework's years 1..9999 so that decoding never overflows.
void Split(TDateTime value, long long& days, long long& milliseconds) {
  if (!std::isfinite(value)) value = 0;
  value = std::fmax(std::fmin(value, 2958465.9999999), -693593.9999999);
  const double whole = std::trunc(value);
  days = static_cast<long long>(whole);
  milliseconds = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (milliseconds >= kMillisecondsPerDay) milliseconds = kMillisecondsPerDay - 1;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  value = static_cast<double>(DaysFromCivil(year, month, day) - kEpochShift);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return false;
  value = ((hour * 60 + minute) * 60000.0 + second * 1000.0 + millisecond) / kMillisecondsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime value = 0;
  if (!TryEncodeDate(year, month, day, value))
    throw EConvertError("Invalid date: " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                        std::to_string(day));
  return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime value = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, value))
    throw EConvertError("Invalid time: " + std::to_string(hour) + ":" + std::to_string(minute) + ":" +
                        std::to_string(second) + "." + std::to_string(millisecond));
  return value;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  long long days = 0, milliseconds = 0;
  Split(value, days, milliseconds);
  CivilFromDays(days + kEpochShift, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  long long days = 0, milliseconds = 0;
  Split(value, days, milliseconds);
  millisecond = static_cast<int>(milliseconds % 1000);
  second = static_cast<int>(milliseconds / 1000 % 60);
  minute = static_cast<int>(milliseconds / 60000 % 60);
  hour = static_cast<int>(milliseconds / 3600000);
}

int DayOfWeek(TDateTime value) {
  long long days = 0, milliseconds = 0;
  Split(value, days, milliseconds);
  // 1899-12-30 was a Saturday (7).
  return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  TDateTime date = 0, time = 0;
  TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
  TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(milliseconds), time);
  return date + time;
}

TDateTime Date() { return std::floor(Now()); }

}  // namespace platform
