// The design environment's commands, run in-process from its sources against
// the package's registration, as a person at the prompt gives them: an error
// ends the command, not the session.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "Lxv/LxvReg.h"
#include "Lxv/ValueChecks.h"
#include "lxvdesign/session.h"
#include "platform/base/files.h"
#include "platform/forms/headless.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kSource = LXV_TEST_SOURCE_DIR;

class DesignSessionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Lxv::Register();
    lxvdesign::TDesignSession::RegisterStandardPage();
  }

  // The output of one command; a failure fails the test.
  std::string Run(const std::string& line) {
    out_.str("");
    session_.Run(line);
    return out_.str();
  }
  // The message a command fails with; "" when it does not fail.
  std::string ErrorOf(const std::string& line) {
    try {
      session_.Run(line);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }
  std::string Temp(const std::string& name) const { return ::testing::TempDir() + name; }

  platform::THeadlessSession headless_;
  std::ostringstream out_;
  lxvdesign::TDesignSession session_{out_, headless_.User()};
};

TEST_F(DesignSessionTest, ARefusedValueFailsWithTheWritersMessageAndChangesNothing) {
  Run("open " + kSource + "/lxvdesign/selector_form.txt");
  Run("drop TLexivar 48 96");
  Run("save " + Temp("refused.dfm"));
  EXPECT_EQ(ErrorOf("set Lexivar1 AdoptOn Button1"),
            "Lexivar1.AdoptOn refused 'Button1': Error setting AdoptOn property, an illigal component");
  Run("check modified no");
  Run("check Lexivar1 AdoptOn \"\"");
  // A value the writer takes still marks the form.
  Run("set Lexivar1 AdoptOn ListBox1");
  Run("check modified yes");
}

TEST_F(DesignSessionTest, StepsTheNextCommandLeavesUnusedAreAnErrorAndDropped) {
  Run("new");
  Run("user click Button");
  Run("user wait 10");
  EXPECT_EQ(ErrorOf("components"), "2 user steps were not used by 'components': click Button; wait 10 ms");
  EXPECT_EQ(headless_.User().Pending(), 0u);
  Run("components");  // the queue is empty again

  // A failing command names them too; so does the end of a script.
  Run("user click Button");
  EXPECT_THAT(ErrorOf("verb NoSuch 0"), HasSubstr("(user steps left unused: click Button)"));
  Run("user input x");
  EXPECT_THROW(session_.Finish(), platform::Exception);
  EXPECT_EQ(headless_.User().Pending(), 0u);
}

TEST_F(DesignSessionTest, BadVerbIndexesAndLoneCoordinatesAreUsageErrors) {
  Run("open " + kSource + "/lxvdesign/selector_form.txt");
  Run("drop TLexivar");
  for (const char* index : {"3", "-1", "x"})
    EXPECT_EQ(ErrorOf(std::string("verb Lexivar1 ") + index), "Usage: verb NAME INDEX|edit; Lexivar1 has verbs 0 to 2");
  EXPECT_THAT(ErrorOf("drop TLexivar 10"), HasSubstr("Usage: drop CLASS [LEFT TOP]"));
  EXPECT_THAT(Run("components"), Not(HasSubstr("Lexivar2")));
}

// Headless no click happens: a drop without coordinates lands at 0,0.
TEST_F(DesignSessionTest, ADropWithoutCoordinatesLandsAtTheOriginAndDeleteTakesItOff) {
  Run("new");
  Run("drop TButton");
  Run("check Button1 Left 0");
  Run("check Button1 Top 0");
  Run("save " + Temp("deleted.txt") + " text");
  EXPECT_EQ(Run("delete Button1"), "Deleted Button1\n");
  Run("check modified yes");
  EXPECT_THAT(Run("components"), Not(HasSubstr("Button1")));
  EXPECT_THAT(ErrorOf("delete Form1"), HasSubstr("The form cannot be deleted"));
}

// The names of the handlers a form file assigns, in file order.
std::vector<std::string> Handlers(const std::string& text) {
  static const std::regex handler(R"((On\w+) = (\w+))");
  std::vector<std::string> out;
  for (std::sregex_iterator it(text.begin(), text.end(), handler), end; it != end; ++it) out.push_back(it->str());
  return out;
}

TEST_F(DesignSessionTest, AFormWithHandlersOpensAndSavesThemBackByName) {
  // A copy: saving writes the table's file into the form's folder.
  const std::filesystem::path folder = Temp("design_demo");
  std::filesystem::create_directories(folder);
  const std::string form = (folder / "DemoForm.txt").string();
  std::filesystem::copy_file(kSource + "/../demo/DemoForm.txt", form, std::filesystem::copy_options::overwrite_existing);
  Run("open " + form);
  Run("save " + Temp("demo.txt") + " text");
  const std::vector<std::string> before = Handlers(platform::ReadFileBytes(form));
  ASSERT_THAT(before, ::testing::Contains("OnCreate = FormCreate"));
  EXPECT_EQ(Handlers(platform::ReadFileBytes(Temp("demo.txt"))), before);
  EXPECT_THAT(Run("inspect Lexivar1"), HasSubstr("Lexivar1Translated"));
}

TEST_F(DesignSessionTest, AFormOfStandardControlsAndMenusIsBuiltAndShown) {
  const std::string palette = Run("palette");
  for (const char* cls : {"TListBox", "TComboBox", "TRadioGroup", "TTabSet", "TMainMenu", "TPopupMenu"})
    EXPECT_THAT(palette, HasSubstr(std::string("  ") + cls + "  bitmap")) << cls;
  Run("new");
  Run("drop TListBox 8 8");
  Run("drop TMainMenu");
  EXPECT_EQ(Run("drop TMenuItem MainMenu1"), "Dropped MenuItem1: TMenuItem into MainMenu1\n");
  Run("drop TMenuItem MenuItem1");
  EXPECT_THAT(ErrorOf("drop TMenuItem ListBox1"), HasSubstr("is neither a menu nor a menu item"));
  Run("set Form1 Menu MainMenu1");
  Run("drop TLexivar 48 96");
  Run("set Lexivar1 AdoptOn ListBox1");
  const std::string shown = Run("show");
  EXPECT_THAT(shown, HasSubstr("ListBox1: TListBox"));
  EXPECT_THAT(shown, HasSubstr("MenuItem1"));
  Run("save " + Temp("built.txt") + " text");
  EXPECT_THAT(platform::ReadFileBytes(Temp("built.txt")), HasSubstr("object MenuItem2: TMenuItem"));
}

TEST_F(DesignSessionTest, StepsPrintASnapshotCancelAQueryAndChooseAFont) {
  setenv("XDG_CONFIG_HOME", Temp("settings").c_str(), 1);
  Run("open " + kSource + "/lxvdesign/selector_form.txt");
  Run("drop TLexivar");
  for (const char* step : {"user page LocaleNotebook 1", "user click BtnUserLang", "user cancel",
                           "user page LocaleNotebook 3", "user click BtnDisplayFont", "user font Serif 14",
                           "user snapshot", "user click BtnCancel"})
    Run(step);
  const std::string output = Run("verb Lexivar1 0");
  EXPECT_THAT(output, HasSubstr("BtnDisplayFont: TButton 'Select'"));
  const std::string shown = Run("shown");
  EXPECT_THAT(shown, HasSubstr("Input \"New locale\": Locale identifier (integer) -> \n"));
  EXPECT_THAT(shown, HasSubstr("-> Serif\n"));
}

TEST_F(DesignSessionTest, ValuesThatCannotWorkAreNamedAndALocaleIsPreviewed) {
  Run("open " + kSource + "/lxvdesign/values_form.txt");
  out_.str("");
  EXPECT_EQ(ErrorOf("check-values Lexivar1"), "Check failed: 8 values of Lexivar1 cannot work");
  const std::string problems = out_.str();
  for (const char* expected :
       {"0000040C_CURRENCYDECIMALS=x: 'x' is not a number of 0 to 9", "0000040C_CURRENCYFORMAT=4: '4' is not a number of 0 to 3",
        "0000040C_DATESEPARATOR=--: the separator '--' is longer than one character",
        "0000040C_DECIMALSEPARATOR=: the separator is empty",
        "0000040C_LONGTIMEFORMAT='Uhr': the time picture ''Uhr'' has no field",
        "0000040C_NEGCURRFORMAT=16: '16' is not a number of 0 to 15",
        "0000040C_SHORTDATEFORMAT=//: the date picture '//' has no field",
        "0000040C_THOUSANDSEPARATOR=5: the separator '5' is a digit"})
    EXPECT_THAT(problems, HasSubstr(std::string(expected) + "\n"));
  EXPECT_THAT(problems, Not(HasSubstr("00000407")));

  const std::string preview = Run("preview Lexivar1 407");
  EXPECT_EQ(preview,
            "Lexivar1 407:\n"
            "  short date  25.03.2024\n"
            "  long date   Montag, 25. Maerz 2024\n"
            "  time        14:07:09\n"
            "  number      1.234.567,89\n"
            "  amount      1.234,50 EUR\n"
            "  negative    -1.234,50 EUR\n");
  EXPECT_THAT(ErrorOf("preview Lexivar1 0000041D"), HasSubstr("Lexivar1 keeps no line of locale 0000041D"));
  EXPECT_THAT(ErrorOf("preview Lexivar1 German"), HasSubstr("neither a locale designator nor an LCID"));
}

TEST(ValueProblem, AcceptsWhatWorksAndKeysWithoutRules) {
  for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
           {"_NEGCURRFORMAT", "15"}, {"_CURRENCYFORMAT", "0"}, {"_CURRENCYDECIMALS", "9"},
           {"_DECIMALSEPARATOR", "\xC2\xB7"}, {"_SHORTDATEFORMAT", "'Tag' d"}, {"_LONGTIMEFORMAT", "AMPM"},
           {"_SHORTTIMEFORMAT", "t"}, {"_CURRENCYSTRING", ""}, {"_NOSUCHKEY", ""}})
    EXPECT_EQ(Lxv::ValueProblem(key, value), "") << key << "=" << value;
}

}  // namespace
