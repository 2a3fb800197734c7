// The catalogue: 58 lines per locale, answers or defaults, the time rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "Lxv/Catalogue.h"
#include "lxv/lexivar_env.h"
#include "platform/base/text.h"

using Lxv::AddCatalogue;
using Lxv::TSortList;
using lxvtest::Lines;
using lxvtest::ValueOf;
using namespace platform;

namespace {

class Catalogue : public lxvtest::LexivarTest {};

bool IsOrdered(const TSortList& list) {
  const auto lines = Lines(list);
  return std::is_sorted(lines.begin(), lines.end(),
                        [](const std::string& a, const std::string& b) { return CompareStr(a, b) < 0; });
}

}  // namespace

TEST_F(Catalogue, KnownLocaleGivesItsAnswersSortedWithTheLcidBesideEachLine) {
  TSortList list;
  AddCatalogue(0x407, list);
  ASSERT_EQ(list.Count(), 58);
  EXPECT_TRUE(IsOrdered(list));
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_TRUE(list.Strings(i).starts_with("00000407_")) << list.Strings(i);
    EXPECT_EQ(IntFromObject(list.Objects(i)), 0x407);
  }
  EXPECT_EQ(ValueOf(list, "00000407_LONGDAYNAMES[1]="), "Montag");
  EXPECT_EQ(ValueOf(list, "00000407_SHORTMONTHNAMES[12]="), "Dez");
  EXPECT_EQ(ValueOf(list, "00000407_SHORTTIMEFORMAT="), "hh:mm");  // 24 hours, leading zeros
  EXPECT_EQ(ValueOf(list, "00000407_LONGTIMEFORMAT="), "hh:mm:ss");
  EXPECT_EQ(ValueOf(list, "00000407_TIMEAMSTRING="), "");  // an empty answer is not replaced
  EXPECT_EQ(ValueOf(list, "00000407_CURRENCYSTRING="), "€");
  EXPECT_EQ(ValueOf(list, "00000407_SHORTDATEFORMAT="), "dd.MM.yyyy");
  EXPECT_EQ(ValueOf(list, "00000407_NATIVECOUNTRYNAME="), "Deutschland");
  EXPECT_EQ(ValueOf(list, "00000407_LISTSEPARATOR="), ";");
  EXPECT_EQ(ValueOf(list, "00000407_TWODIGITYEARCENTURYWINDOW="), "0");
}

TEST_F(Catalogue, UnknownLocaleGivesEveryDefault) {
  TSortList list;
  AddCatalogue(0x1234, list);
  ASSERT_EQ(list.Count(), 58);
  EXPECT_EQ(ValueOf(list, "00001234_LONGDAYNAMES[7]="), "Sunday");
  EXPECT_EQ(ValueOf(list, "00001234_SHORTDAYNAMES[1]="), "Mon");
  EXPECT_EQ(ValueOf(list, "00001234_LONGMONTHNAMES[5]="), "May");
  EXPECT_EQ(ValueOf(list, "00001234_SHORTMONTHNAMES[5]="), "May");
  // The marker position's default is not "0", so the marker goes in front.
  EXPECT_EQ(ValueOf(list, "00001234_SHORTTIMEFORMAT="), "AMPM h:mm");
  EXPECT_EQ(ValueOf(list, "00001234_LONGTIMEFORMAT="), "AMPM h:mm:ss");
  EXPECT_EQ(ValueOf(list, "00001234_CURRENCYSTRING="), "");
  EXPECT_EQ(ValueOf(list, "00001234_SHORTDATEFORMAT="), "m/d/yy");
  EXPECT_EQ(ValueOf(list, "00001234_LONGDATEFORMAT="), "mmmm d, yyyy");
  EXPECT_EQ(ValueOf(list, "00001234_TIMEAMSTRING="), "am");
  EXPECT_EQ(ValueOf(list, "00001234_CURRENCYDECIMALS="), "2");
  for (const char* name : {"ENGLISHNAME", "NATIVENAME", "ENGLISHCOUNTRYNAME", "NATIVECOUNTRYNAME"})
    EXPECT_EQ(ValueOf(list, std::string("00001234_") + name + "="), "Unknown");
  EXPECT_EQ(ValueOf(list, "00001234_LISTSEPARATOR="), ";");
}

TEST_F(Catalogue, EachFailedQueryFallsBackByItself) {
  locales.SetFailure(0x407, LOCALE_SDAYNAME1);
  locales.SetFailure(0x407, LOCALE_SCURRENCY);
  locales.SetFailure(0x407, LOCALE_SDECIMAL);
  TSortList list;
  AddCatalogue(0x407, list);
  EXPECT_EQ(list.Count(), 58);
  EXPECT_EQ(ValueOf(list, "00000407_LONGDAYNAMES[1]="), "Monday");
  EXPECT_EQ(ValueOf(list, "00000407_LONGDAYNAMES[2]="), "Dienstag");
  EXPECT_EQ(ValueOf(list, "00000407_CURRENCYSTRING="), "");
  EXPECT_EQ(ValueOf(list, "00000407_DECIMALSEPARATOR="), ".");
  EXPECT_EQ(ValueOf(list, "00000407_THOUSANDSEPARATOR="), ".");
}

TEST_F(Catalogue, TimeFormatsFollowLeadingZerosClockAndMarkerPosition) {
  struct Case {
    const char *leadingZero, *clock, *marker, *shortTime, *longTime;
  };
  for (const Case& c : {Case{"0", "0", "0", "h:mm AMPM", "h:mm:ss AMPM"}, Case{"0", "0", "1", "AMPM h:mm", "AMPM h:mm:ss"},
                        Case{"1", "1", "0", "hh:mm", "hh:mm:ss"}, Case{"2", "0", "0", "hh:mm AMPM", "hh:mm:ss AMPM"},
                        Case{"0", "01", "0", "h:mm", "h:mm:ss"}}) {
    locales.SetAnswer(0x4321, LOCALE_ILZERO, c.leadingZero);
    locales.SetAnswer(0x4321, LOCALE_ITIME, c.clock);
    locales.SetAnswer(0x4321, LOCALE_ITIMEMARKPOSN, c.marker);
    TSortList list;
    AddCatalogue(0x4321, list);
    EXPECT_EQ(ValueOf(list, "00004321_SHORTTIMEFORMAT="), c.shortTime) << c.leadingZero << c.clock << c.marker;
    EXPECT_EQ(ValueOf(list, "00004321_LONGTIMEFORMAT="), c.longTime);
  }
}

TEST_F(Catalogue, BitsAbove15AppearInThePrefix) {
  TSortList list;
  AddCatalogue(0x00010407, list);
  ASSERT_EQ(list.Count(), 58);
  EXPECT_EQ(list.Strings(0).substr(0, 9), "00010407_");
  EXPECT_EQ(IntFromObject(list.Objects(0)), 0x00010407);
}

TEST_F(Catalogue, TwiceIntoOneListKeepsEveryLineTwiceSideBySide) {
  TSortList list;
  AddCatalogue(0x409, list);
  AddCatalogue(0x409, list);
  ASSERT_EQ(list.Count(), 116);
  for (int i = 0; i < list.Count(); i += 2) EXPECT_EQ(list.Strings(i), list.Strings(i + 1));
}

TEST_F(Catalogue, TwoLocalesInterleaveByKey) {
  TSortList list;
  AddCatalogue(0x409, list);
  AddCatalogue(0x407, list);
  EXPECT_EQ(list.Count(), 116);
  EXPECT_TRUE(IsOrdered(list));
  EXPECT_TRUE(list.Strings(0).starts_with("00000407_"));
  EXPECT_TRUE(list.Strings(58).starts_with("00000409_"));
}
