// The process's format settings record and the system locale record.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/format/format_settings.h"
#include "platform/format/format_settings_guard.h"
#include "platform/locale/locale_services.h"
#include "support/scripted_locale_provider.h"

using namespace platform;
using lxvtest::TScriptedLocaleProvider;

TEST(FormatSettingsRecord, HoldsTheUserDefaultLocaleAtStartup) {
  const TFormatSettings expected = GetLocaleFormatSettings(GetUserDefaultLCID());
  const TFormatSettings& record = FormatSettings();
  EXPECT_EQ(record.ShortDateFormat, expected.ShortDateFormat);
  EXPECT_EQ(record.LongTimeFormat, expected.LongTimeFormat);
  EXPECT_EQ(record.CurrencyString, expected.CurrencyString);
  EXPECT_EQ(record.DecimalSeparator, expected.DecimalSeparator);
  EXPECT_EQ(record.LongDayNames[1], expected.LongDayNames[1]);
  EXPECT_EQ(SysLocale().DefaultLCID, static_cast<std::int32_t>(GetUserDefaultLCID()));
}

TEST(FormatSettingsRecord, ReadsEveryFieldOfALocale) {
  const TFormatSettings us = GetLocaleFormatSettings(0x0409);
  EXPECT_EQ(us.LongDayNames[1], "Monday");
  EXPECT_EQ(us.LongDayNames[7], "Sunday");
  EXPECT_EQ(us.ShortDayNames[3], "Wed");
  EXPECT_EQ(us.LongMonthNames[12], "December");
  EXPECT_EQ(us.ShortMonthNames[5], "May");
  EXPECT_EQ(us.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(us.LongDateFormat, "dddd, MMMM d, yyyy");
  EXPECT_EQ(us.ShortTimeFormat, "hh:mm AMPM") << "leading zero setting 1 gives hh";
  EXPECT_EQ(us.LongTimeFormat, "hh:mm:ss AMPM");
  EXPECT_EQ(us.TimeAMString, "AM");
  EXPECT_EQ(us.CurrencyString, "$");
  EXPECT_EQ(us.CurrencyDecimals, 2);
  EXPECT_EQ(us.NegCurrFormat, 1);
  const TFormatSettings de = GetLocaleFormatSettings(0x0407);
  EXPECT_EQ(de.DecimalSeparator, ',');
  EXPECT_EQ(de.ThousandSeparator, '.');
  EXPECT_EQ(de.DateSeparator, '.');
  EXPECT_EQ(de.ShortTimeFormat, "hh:mm");
  EXPECT_EQ(de.TimeAMString, "");
  EXPECT_EQ(de.CurrencyFormat, 3);
  EXPECT_EQ(de.NegCurrFormat, 8);
#if LXV_HOST_GENERATION >= 4
  EXPECT_EQ(de.ListSeparator, ';');
  EXPECT_EQ(us.ListSeparator, ',');
  EXPECT_EQ(de.TwoDigitYearCenturyWindow, 0);
#endif
}

TEST(FormatSettingsRecord, UnknownLocaleKeepsTheDefaults) {
  TScriptedLocaleProvider nothing;
  TLocaleProviderGuard guard(nothing);
  const TFormatSettings settings = GetLocaleFormatSettings(0x0409);
  EXPECT_EQ(settings.LongDayNames[1], "Monday");
  EXPECT_EQ(settings.ShortMonthNames[12], "Dec");
  EXPECT_EQ(settings.ShortDateFormat, "m/d/yy");
  EXPECT_EQ(settings.LongDateFormat, "mmmm d, yyyy");
  EXPECT_EQ(settings.ShortTimeFormat, "AMPM h:mm") << "the marker default is not \"0\"";
  EXPECT_EQ(settings.LongTimeFormat, "AMPM h:mm:ss");
  EXPECT_EQ(settings.TimeAMString, "am");
  EXPECT_EQ(settings.CurrencyString, "");
  EXPECT_EQ(settings.CurrencyDecimals, 2);
  EXPECT_EQ(settings.DateSeparator, '/');
  EXPECT_EQ(settings.TimeSeparator, ':');
}

TEST(FormatSettingsRecord, TimeFormatsFollowClockAndMarkerPosition) {
  TScriptedLocaleProvider scripted;
  scripted.SetAnswer(0x0409, LOCALE_ILZERO, "0");
  scripted.SetAnswer(0x0409, LOCALE_ITIME, "0");
  scripted.SetAnswer(0x0409, LOCALE_ITIMEMARKPOSN, "0");
  scripted.SetAnswer(0x0409, LOCALE_ICURRDIGITS, "x");  // not a number: default
  scripted.SetAnswer(0x0409, LOCALE_SDECIMAL, "");       // empty: default
  TLocaleProviderGuard guard(scripted);
  TFormatSettings settings = GetLocaleFormatSettings(0x0409);
  EXPECT_EQ(settings.ShortTimeFormat, "h:mm AMPM");
  EXPECT_EQ(settings.LongTimeFormat, "h:mm:ss AMPM");
  EXPECT_EQ(settings.CurrencyDecimals, 2);
  EXPECT_EQ(settings.DecimalSeparator, '.');
  scripted.SetAnswer(0x0409, LOCALE_ITIMEMARKPOSN, "1");
  EXPECT_EQ(GetLocaleFormatSettings(0x0409).ShortTimeFormat, "AMPM h:mm");
  scripted.SetAnswer(0x0409, LOCALE_ITIME, "1");
  scripted.SetAnswer(0x0409, LOCALE_ILZERO, "1");
  EXPECT_EQ(GetLocaleFormatSettings(0x0409).LongTimeFormat, "hh:mm:ss");
}

TEST(FormatSettingsRecord, GetFormatSettingsRereadsTheUserLocale) {
  TFormatSettingsGuard keep;
  TScriptedLocaleProvider scripted;
  scripted.SetUserDefaultLCID(0x0407);
  scripted.SetAnswer(0x0407, LOCALE_SCURRENCY, "DM");
  TLocaleProviderGuard guard(scripted);
  GetFormatSettings();
  EXPECT_EQ(FormatSettings().CurrencyString, "DM");
}

TEST(FormatSettingsGuard, PutsTheRecordBackHoweverTheScopeEnds) {
  const std::string before = FormatSettings().CurrencyString;
  try {
    TFormatSettingsGuard keep;
    FormatSettings().CurrencyString = before + "changed";
    throw std::runtime_error("leaving early");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(FormatSettings().CurrencyString, before);
  {
    TFormatSettings other;
    other.CurrencyString = before + "other";
    TFormatSettingsGuard install(other);
    EXPECT_EQ(FormatSettings().CurrencyString, before + "other");
  }
  EXPECT_EQ(FormatSettings().CurrencyString, before);
}

TEST(SysLocaleRecord, SplitsLanguageAndSubLanguage) {
  const TSysLocale us = SysLocaleFor(0x0409);
  EXPECT_EQ(us.DefaultLCID, 0x0409);
  EXPECT_EQ(us.PriLangID, 0x009);
  EXPECT_EQ(us.SubLangID, 0x001);
  // Bits 10 to 25 go into the sub-language, sort bits included.
  const TSysLocale sorted = SysLocaleFor(0x0010407);
  EXPECT_EQ(sorted.PriLangID, 0x007);
  EXPECT_EQ(sorted.SubLangID, 0x0041);
  EXPECT_EQ(SysLocaleFor(0xFFFFFFFF).SubLangID, 0xFFFF);
  EXPECT_TRUE(SysLocaleFor(0x0411).FarEast);
  EXPECT_FALSE(SysLocaleFor(0x0409).FarEast);
}
