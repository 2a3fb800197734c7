// Scripted providers stand in for the locale data.
#include <gtest/gtest.h>

#include <string>

#include "platform/locale/locale_services.h"
#include "support/locale_answer.h"
#include "support/scripted_locale_provider.h"

using namespace platform;
using lxvtest::Answer;
using lxvtest::TScriptedLocaleProvider;

namespace {

std::vector<LCID> seen;
BOOL Record(char* text) {
  seen.push_back(static_cast<LCID>(std::stoul(text, nullptr, 16)));
  return 1;
}

}  // namespace

TEST(LocaleServices, DefaultIdentifiersResolveToTheProvidersLocales) {
  TScriptedLocaleProvider scripted;
  scripted.SetUserDefaultLCID(0x0407);
  scripted.SetSystemDefaultLCID(0x040C);
  TLocaleProviderGuard guard(scripted);
  EXPECT_EQ(ResolveDefaultLCID(LOCALE_NEUTRAL), 0x0407u);
  EXPECT_EQ(ResolveDefaultLCID(LOCALE_USER_DEFAULT), 0x0407u);
  EXPECT_EQ(ResolveDefaultLCID(LOCALE_SYSTEM_DEFAULT), 0x040Cu);
  EXPECT_EQ(ResolveDefaultLCID(0x0411), 0x0411u);
}

TEST(ScriptedLocaleProvider, ScriptsAnswersFailuresAndEmptyText) {
  TScriptedLocaleProvider scripted;
  scripted.SetAnswer(0x0409, LOCALE_ITIME, "0");
  scripted.SetAnswer(0x0409, LOCALE_S1159, "");
  scripted.SetFailure(0x0409, LOCALE_SCURRENCY);
  TLocaleProviderGuard guard(scripted);
  EXPECT_EQ(Answer(0x0409, LOCALE_ITIME), "0");
  char buffer[4] = "xyz";
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_S1159, buffer, 4), 1) << "an empty answer is its zero";
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(Answer(0x0409, LOCALE_SCURRENCY), "<failed>");
  EXPECT_EQ(Answer(0x0409, LOCALE_SDECIMAL), "<failed>") << "no fallback, no answer";
}

TEST(ScriptedLocaleProvider, GuardRestoresThePreviousProvider) {
  const std::string before = Answer(0x0407, LOCALE_SDAYNAME1);
  {
    TScriptedLocaleProvider outer;
    outer.SetAnswer(0x0407, LOCALE_SDAYNAME1, "outer");
    TLocaleProviderGuard outerGuard(outer);
    {
      TScriptedLocaleProvider inner;
      inner.SetAnswer(0x0407, LOCALE_SDAYNAME1, "inner");
      TLocaleProviderGuard innerGuard(inner);
      EXPECT_EQ(Answer(0x0407, LOCALE_SDAYNAME1), "inner");
    }
    EXPECT_EQ(Answer(0x0407, LOCALE_SDAYNAME1), "outer");
  }
  EXPECT_EQ(Answer(0x0407, LOCALE_SDAYNAME1), before);
  EXPECT_EQ(&CurrentLocaleProvider(), &DefaultLocaleProvider());
}

TEST(ScriptedLocaleProvider, FallsBackAndMasksUnknownLocales) {
  TScriptedLocaleProvider scripted(&DefaultLocaleProvider());
  scripted.SetAnswer(0x0407, LOCALE_SDECIMAL, "!");
  scripted.SetUnknown(0x0409);
  scripted.SetUserDefaultLCID(0x0407);
  scripted.SetSystemDefaultLCID(0x040C);
  TLocaleProviderGuard guard(scripted);
  EXPECT_EQ(Answer(0x0407, LOCALE_SDECIMAL), "!");
  EXPECT_EQ(Answer(0x0407, LOCALE_STHOUSAND), ".");
  EXPECT_EQ(Answer(0x0409, LOCALE_SENGLANGUAGE), "<failed>");
  EXPECT_EQ(Answer(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL), "!");
  EXPECT_EQ(Answer(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE), "French");
  EXPECT_EQ(GetUserDefaultLCID(), 0x0407u);
  EXPECT_EQ(GetSystemDefaultLCID(), 0x040Cu);
  EXPECT_EQ(SetThreadLocale(0x0409), 0);
  seen.clear();
  EnumSystemLocalesA(Record, LCID_SUPPORTED);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 0x0409u), 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 0x0407u), 1);
}

TEST(ScriptedLocaleProvider, EnumeratesScriptedLocalesInOrder) {
  TScriptedLocaleProvider scripted;
  scripted.SetAnswer(0x0C0A, LOCALE_SENGLANGUAGE, "Spanish");
  scripted.SetAnswer(0x0401, LOCALE_SENGLANGUAGE, "Arabic");
  scripted.SetAnswer(0x0401, LOCALE_SDECIMAL, ".");
  TLocaleProviderGuard guard(scripted);
  seen.clear();
  EnumSystemLocalesA(Record, LCID_SUPPORTED);
  EXPECT_EQ(seen, (std::vector<LCID>{0x0401, 0x0C0A}));
  scripted.SetSupportedLocales({0x0409});
  seen.clear();
  EnumSystemLocalesA(Record, LCID_INSTALLED);
  EXPECT_EQ(seen, (std::vector<LCID>{0x0409}));
}
