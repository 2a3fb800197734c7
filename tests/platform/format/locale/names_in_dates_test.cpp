// Day, month and era names inside a date: the forms the thread locale gives
// for there, taken only while the record holds that locale's own names.
#include <gtest/gtest.h>

#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_services.h"
#include "support/scripted_locale_provider.h"

using namespace platform;

namespace {

constexpr LCID kRussian = 0x0419, kLatvian = 0x0426;
const TDateTime kNewYear2000 = EncodeDate(2000, 1, 1);  // a Saturday

class NamesInDates : public ::testing::Test {
 protected:
  NamesInDates() {
    for (LCID locale : {kRussian, kLatvian}) locales_.SetAnswer(locale, LOCALE_SENGLANGUAGE, "x");
    locales_.SetAnswer(kRussian, LOCALE_SMONTHNAME1, "январь");
    locales_.SetAnswer(kRussian, LOCALE_SMONTHNAME1 | LOCALE_RETURN_GENITIVE_NAMES, "января");
    locales_.SetAnswer(kRussian, LOCALE_SABBREVMONTHNAME1, "янв.");
    locales_.SetAnswer(kRussian, LOCALE_SABBREVMONTHNAME1 | LOCALE_RETURN_GENITIVE_NAMES, "янв");
    locales_.SetAnswer(kLatvian, LOCALE_SDAYNAME1 + 5, "Sestdiena");
    locales_.SetAnswer(kLatvian, (LOCALE_SDAYNAME1 + 5) | LOCALE_RETURN_GENITIVE_NAMES, "sestdiena");
    locales_.SetAnswer(kLatvian, LOCALE_SERANAME, "m.ē.");
    settings_.LongMonthNames[1] = "январь";
    settings_.ShortMonthNames[1] = "янв.";
    settings_.LongDayNames[6] = "Sestdiena";
  }
  ~NamesInDates() override { SetThreadLocale(previous_); }

  std::string Format(LCID threadLocale, std::string_view picture) {
    SetThreadLocale(threadLocale);
    return FormatDateTime(picture, kNewYear2000, settings_);
  }

  LCID previous_ = GetThreadLocale();
  lxvtest::TScriptedLocaleProvider locales_;
  TLocaleProviderGuard guard_{locales_};
  TFormatSettings settings_;
};

TEST_F(NamesInDates, FullMonthTakesItsGenitiveBesideADayNumberOnly) {
  EXPECT_EQ(Format(kRussian, "d mmmm yyyy"), "1 января 2000");
  EXPECT_EQ(Format(kRussian, "dd/mmmm"), "01/января");
  EXPECT_EQ(Format(kRussian, "mmmm"), "январь");
  EXPECT_EQ(Format(kRussian, "mmmm yyyy"), "январь 2000");
  EXPECT_EQ(Format(kRussian, "'d' mmmm"), "d январь") << "a quoted d is no day number";
}

TEST_F(NamesInDates, ShortMonthsAndDaysTakeTheirDateFormInPicturesOfMoreThanOneField) {
  EXPECT_EQ(Format(kRussian, "mmm yyyy"), "янв 2000");
  EXPECT_EQ(Format(kRussian, "mmm"), "янв.");
  EXPECT_EQ(Format(kLatvian, "dddd, yyyy"), "sestdiena, 2000");
  EXPECT_EQ(Format(kLatvian, "dddd"), "Sestdiena");
  settings_.LongDateFormat = "dddd, d";
  EXPECT_EQ(Format(kLatvian, "dddddd"), "sestdiena, 1") << "the long date is a picture of its own";
}

TEST_F(NamesInDates, NamesOfTheRecordThatAreNotTheThreadLocalesOwnStandAsTheyAre) {
  EXPECT_EQ(Format(kLatvian, "d mmmm yyyy"), "1 январь 2000") << "Russian names under a Latvian thread locale";
  settings_.LongMonthNames[1] = "Январь";
  EXPECT_EQ(Format(kRussian, "d mmmm yyyy"), "1 Январь 2000") << "a name the application changed";
}

TEST_F(NamesInDates, EraIsTheThreadLocalesNameNeverTheLetters) {
  EXPECT_EQ(Format(kLatvian, "yyyy g"), "2000 m.ē.");
  EXPECT_EQ(Format(kLatvian, "gg yyyy"), "m.ē. 2000");
  EXPECT_EQ(Format(kRussian, "gg"), "AD") << "a locale without an era name";
}

}  // namespace
