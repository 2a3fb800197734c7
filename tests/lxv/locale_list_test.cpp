// The locale list: one display name per locale of the table, and its pattern.
#include <gtest/gtest.h>

#include "lxv/lexivar_env.h"
#include "platform/base/exceptions.h"

using Lxv::TLexivar;
using lxvtest::Lines;
using namespace platform;

namespace {

class LocaleList : public lxvtest::LexivarTest {
 protected:
  void SetTable(TLexivar& lexivar, std::initializer_list<const char*> lines) {
    lexivar.Translations()->Clear();
    for (const char* line : lines) lexivar.Translations()->SortInsert(line, nullptr);
  }
  static std::vector<int> Lcids(const TLexivar& lexivar) {
    std::vector<int> lcids;
    for (int i = 0; i < lexivar.LocaleList()->Count(); ++i) lcids.push_back(IntFromObject(lexivar.LocaleList()->Objects(i)));
    return lcids;
  }
};

}  // namespace

TEST_F(LocaleList, TwoCataloguesGiveTwoEntriesOrderedByDisplayName) {
  TLexivar lexivar(nullptr);
  lexivar.AddOrgProps(0x40C, *lexivar.Translations());
  lexivar.AddOrgProps(0x407, *lexivar.Translations());
  lexivar.UpdateLangList();
  EXPECT_EQ(Lines(*lexivar.LocaleList()),
            (std::vector<std::string>{"English, United States", "French, France", "German, Germany"}));
  EXPECT_EQ(Lcids(lexivar), (std::vector<int>{0x409, 0x40C, 0x407}));

  ASSERT_TRUE(Messages().empty());
  lexivar.SetListFormat("%2:s (%0:s), %3:s (%1:s)");
  lexivar.UpdateLangList();
  EXPECT_EQ(lexivar.LocaleList()->Strings(0), "Deutsch (German), Deutschland (Germany)");
}

TEST_F(LocaleList, EqualDisplayNamesKeepBothLocales) {
  TLexivar lexivar(nullptr);
  lexivar.AddOrgProps(0x807, *lexivar.Translations());
  lexivar.AddOrgProps(0x407, *lexivar.Translations());
  lexivar.SetListFormat("%2:s");
  lexivar.UpdateLangList();
  EXPECT_EQ(Lines(*lexivar.LocaleList()), (std::vector<std::string>{"Deutsch", "Deutsch", "English"}));
  const std::vector<int> lcids = Lcids(lexivar);
  EXPECT_NE(lcids[0], lcids[1]);
}

TEST_F(LocaleList, EmptyTableGivesEmptyList) {
  TLexivar lexivar(nullptr);
  lexivar.Translations()->Clear();
  lexivar.UpdateLangList();
  EXPECT_EQ(lexivar.LocaleList()->Count(), 0);
}

TEST_F(LocaleList, OnlyTheNativeNameLineMakesAnEntryAndNamesDoNotLeakBetweenLocales) {
  TLexivar lexivar(nullptr);
  lexivar.SetListFormat("%0:s|%1:s|%2:s|%3:s");
  SetTable(lexivar, {"00000409_ENGLISHNAME=English", "00000409_ENGLISHCOUNTRYNAME=US", "00000409_NATIVENAME=Eng",
                     "00000410_NATIVENAME=Italiano", "00000411_ENGLISHNAME=Japanese", "no separators at all",
                     "0000040c_NATIVENAME=lower", "0000040C_NATIVENAME=upper"});
  lexivar.UpdateLangList();
  // 0411 has no native name line; 040C and 040c spell one LCID: the first in table order wins.
  EXPECT_EQ(Lines(*lexivar.LocaleList()), (std::vector<std::string>{"English|US|Eng|", "||Italiano|", "||upper|"}));
  EXPECT_EQ(Lcids(lexivar), (std::vector<int>{0x409, 0x410, 0x40C}));
}

TEST_F(LocaleList, LongValuesAreCutAt4095BytesOnACharacterBoundary) {
  TLexivar lexivar(nullptr);
  lexivar.SetListFormat("%2:s");
  const std::string plain = "00000409_NATIVENAME=" + std::string(5000, 'a');
  // "é" is two bytes; its first byte is byte 4095 of the value.
  const std::string split = "00000410_NATIVENAME=" + std::string(4094, 'b') + "\xC3\xA9" + "cc";
  lexivar.Translations()->Clear();
  lexivar.Translations()->SortInsert(plain, nullptr);
  lexivar.Translations()->SortInsert(split, nullptr);
  lexivar.UpdateLangList();
  ASSERT_EQ(lexivar.LocaleList()->Count(), 2);
  EXPECT_EQ(lexivar.LocaleList()->Strings(0), std::string(4095, 'a'));
  EXPECT_EQ(lexivar.LocaleList()->Strings(1), std::string(4094, 'b'));
}

TEST_F(LocaleList, SetListFormatRefusesAPatternWithoutPercentAndIgnoresTheSameValue) {
  TLexivar lexivar(nullptr);
  lexivar.AddOrgProps(0x407, *lexivar.Translations());
  lexivar.SetListFormat("%0:s, %1:s");  // the current value: nothing happens
  lexivar.SetListFormat("Language");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Invalid format string, you must provide at least one string index"}));
  EXPECT_EQ(lexivar.ListFormat(), "%0:s, %1:s");
  // Nothing adopted: a new pattern is stored but the list is not rebuilt.
  lexivar.SetListFormat("%1:s");
  EXPECT_EQ(lexivar.ListFormat(), "%1:s");
  EXPECT_EQ(Lines(*lexivar.LocaleList()), (std::vector<std::string>{"English, United States"}));
}

// A pattern is tried on four names before it is taken: one the formatter
// rejects would make every later fill of the selector raise.
TEST_F(LocaleList, APatternTheFormatterRejectsIsRefusedAndTheOldOneStays) {
  TLexivar lexivar(nullptr);
  for (const char* pattern : {"%4:s", "100%", "%d", "%0:s %"}) {
    SCOPED_TRACE(pattern);
    lexivar.SetListFormat(pattern);
    EXPECT_EQ(lexivar.ListFormat(), "%0:s, %1:s");
    ASSERT_FALSE(Messages().empty());
    EXPECT_TRUE(Messages().back().starts_with("Invalid format string, you must provide at least one string index ("))
        << Messages().back();
  }
  EXPECT_EQ(Messages().size(), 4u);
  lexivar.UpdateLangList();
  EXPECT_EQ(lexivar.LocaleList()->Count(), 1);
}
