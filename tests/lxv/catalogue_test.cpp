// The catalogue: 58 lines per locale, answers or defaults, the time rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Lxv/Catalogue.h"
#include "lxv/bisection_model.h"
#include "lxv/lexivar_env.h"
#include "platform/base/conversions.h"
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

// The keys up to "=" in the order the catalogue produces its lines.
std::vector<std::string> ProductionOrder() {
  std::vector<std::string> keys;
  for (auto [name, count] : {std::pair{"LONGDAYNAMES", 7}, {"SHORTDAYNAMES", 7}, {"LONGMONTHNAMES", 12},
                             {"SHORTMONTHNAMES", 12}})
    for (int i = 1; i <= count; ++i) keys.push_back(std::string(name) + "[" + std::to_string(i) + "]");
  for (const char* key : {"SHORTTIMEFORMAT", "LONGTIMEFORMAT", "TIMESEPARATOR", "TIMEAMSTRING", "TIMEPMSTRING",
                          "DATESEPARATOR", "SHORTDATEFORMAT", "LONGDATEFORMAT", "CURRENCYFORMAT", "NEGCURRFORMAT",
                          "CURRENCYDECIMALS", "CURRENCYSTRING", "THOUSANDSEPARATOR", "DECIMALSEPARATOR",
                          "ENGLISHNAME", "NATIVENAME", "ENGLISHCOUNTRYNAME", "NATIVECOUNTRYNAME", "LISTSEPARATOR",
                          "TWODIGITYEARCENTURYWINDOW"})
    keys.push_back(key);
  return keys;
}

// The model's answer: the lines of the catalogue one by one, in production
// order, each by the bisection.
lxvtest::TModelLines ModelCatalogue(LCID lcid, lxvtest::TModelLines lines) {
  TSortList alone;
  AddCatalogue(lcid, alone);
  for (const std::string& key : ProductionOrder()) {
    const std::string head = IntToHex(static_cast<std::int32_t>(lcid), 8) + "_" + key + "=";
    for (int i = 0; i < alone.Count(); ++i)
      if (alone.Strings(i).starts_with(head)) lxvtest::ModelInsert(lines, alone.Strings(i), static_cast<int>(lcid));
  }
  return lines;
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

// The framework asks with a buffer of 255 bytes and reads up to the zero.
TEST_F(Catalogue, AnswersAreTakenAsA255ByteBufferHoldsThem) {
  locales.SetAnswer(0x407, LOCALE_SDAYNAME1, std::string(254, 'x'));
  locales.SetAnswer(0x407, LOCALE_SDAYNAME1 + 1, std::string(255, 'y'));
  locales.SetAnswer(0x407, LOCALE_SCURRENCY, std::string("EU\0R", 4));
  TSortList list;
  AddCatalogue(0x407, list);
  EXPECT_EQ(ValueOf(list, "00000407_LONGDAYNAMES[1]="), std::string(254, 'x'));
  EXPECT_EQ(ValueOf(list, "00000407_LONGDAYNAMES[2]="), "Tuesday");
  EXPECT_EQ(ValueOf(list, "00000407_CURRENCYSTRING="), "EU");
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

// Starting lists in order and out of order, with and without lines of the
// locale: the 58 lines land where 58 insertions by bisection put them.
TEST_F(Catalogue, AnyStartingListGetsTheLinesWhereTheBisectionPutsThem) {
  std::mt19937 rng(3);
  const char* pieces[] = {"00000407_", "00000409_", "0000040", "00000407_LONG", "00000407_TIME", "=", "a", "Z"};
  for (int trial = 0; trial < 200; ++trial) {
    TSortList list;
    const int count = static_cast<int>(rng() % 40);
    for (int i = 0; i < count; ++i) {
      const std::string line = std::string(pieces[rng() % 8]) + pieces[rng() % 8];
      if (trial % 2)
        list.SortInsert(line, ObjectFromInt(i));
      else
        list.AddObject(line, ObjectFromInt(i));
    }
    const lxvtest::TModelLines expected = ModelCatalogue(0x407, lxvtest::ModelOf(list));
    AddCatalogue(0x407, list);
    ASSERT_EQ(lxvtest::ModelOf(list), expected) << trial;
  }
}
