// Values that cannot work once applied, and the locale a preview names.
#include <gtest/gtest.h>

#include "Lxv/ValueChecks.h"
#include "lxv/lexivar_env.h"
#include "platform/base/exceptions.h"

namespace {

using namespace platform;

class ValueChecks : public lxvtest::LexivarTest {};

TEST_F(ValueChecks, NumbersSeparatorsAndPicturesThatCannotWork) {
  EXPECT_EQ(Lxv::ValueProblem("_NEGCURRFORMAT", "0"), "");
  EXPECT_EQ(Lxv::ValueProblem("_NEGCURRFORMAT", "15"), "");
  for (const char* bad : {"16", "-1", "abc", ""}) EXPECT_NE(Lxv::ValueProblem("_NEGCURRFORMAT", bad), "") << bad;
  EXPECT_EQ(Lxv::ValueProblem("_CURRENCYFORMAT", "3"), "");
  EXPECT_NE(Lxv::ValueProblem("_CURRENCYFORMAT", "4"), "");
  EXPECT_EQ(Lxv::ValueProblem("_THOUSANDSEPARATOR", " "), "");
  for (const char* bad : {"", "..", "5"}) EXPECT_NE(Lxv::ValueProblem("_THOUSANDSEPARATOR", bad), "") << bad;
  // Letters inside quoted literal text are no fields; those after it are.
  EXPECT_EQ(Lxv::ValueProblem("_LONGTIMEFORMAT", "'um' HH:mm"), "");
  EXPECT_NE(Lxv::ValueProblem("_LONGTIMEFORMAT", "'HH:mm'"), "");
  EXPECT_EQ(Lxv::ValueProblem("_SHORTTIMEFORMAT", "a/p"), "");  // a marker is a field of the time
  EXPECT_EQ(Lxv::ValueProblem("_NATIVENAME", ""), "");  // no rule
}

TEST_F(ValueChecks, EveryLineOfATableIsLookedAtTheFirstToo) {
  Lxv::TSortList table;
  table.SortInsert("00000407_CURRENCYDECIMALS=x", nullptr);
  table.SortInsert("00000407_NEGCURRFORMAT=99", nullptr);
  const std::vector<Lxv::TValueProblem> problems = Lxv::TableValueProblems(table);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].Line, "00000407_CURRENCYDECIMALS=x");
}

TEST_F(ValueChecks, APreviewNamesALocaleTheTableHolds) {
  EXPECT_EQ(Lxv::PreviewLocale("407"), 0x407u);
  EXPECT_EQ(Lxv::PreviewLocale("German, Germany 00000407"), 0x407u);
  for (const char* bad : {"xyz", "", "12 4"}) EXPECT_THROW(Lxv::PreviewLocale(bad), EConvertError) << bad;
  Lxv::TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  const std::vector<std::string> preview = Lxv::LocalePreview(*lexivar, "407");
  ASSERT_EQ(preview.size(), 6u);
  EXPECT_EQ(preview[0], "short date  25.03.2024");
  EXPECT_EQ(preview[2], "time        14:07:09");
  EXPECT_EQ(preview[3], "number      1.234.567,89");
  EXPECT_THROW(Lxv::LocalePreview(*lexivar, "40C"), EConvertError);
}

}  // namespace
