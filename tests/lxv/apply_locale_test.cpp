// Applying a locale: the format settings record, the host settings of each
// generation, the system locale record, events, the cursor, and the switch
// of the other translator components.
#include <gtest/gtest.h>

#include "Lxv/HostSettings.h"
#include "lxv/lexivar_env.h"
#include "platform/base/exceptions.h"
#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/rtti/published.h"

using Lxv::TLexivar;
using namespace platform;

namespace {

// Another class that takes part through published Locale and Translate.
class TLocaleAware : public TComponent {
  LXV_CLASS(TLocaleAware, TComponent)
 public:
  using TComponent::TComponent;
  std::int32_t Locale() const { return locale_; }
  void SetLocale(std::int32_t value) { locale_ = value; }
  bool Translate() const { return translate_; }
  void SetTranslate(bool value) { translate_ = value; }

 private:
  std::int32_t locale_ = 0;
  bool translate_ = true;
};

// Has a Locale but no Translate.
class TLocaleOnly : public TComponent {
  LXV_CLASS(TLocaleOnly, TComponent)
 public:
  using TComponent::TComponent;
  std::int32_t Locale() const { return 0x407; }
  void SetLocale(std::int32_t) {}
};

}  // namespace

TClass TLocaleAware::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLocaleAware>("TLocaleAware")
      .Property("Locale", &TLocaleAware::Locale, &TLocaleAware::SetLocale)
      .Property("Translate", &TLocaleAware::Translate, &TLocaleAware::SetTranslate)
      .Build();
  return &info;
}

TClass TLocaleOnly::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLocaleOnly>("TLocaleOnly").Property("Locale", &TLocaleOnly::Locale, &TLocaleOnly::SetLocale).Build();
  return &info;
}

namespace {

class ApplyLocale : public lxvtest::LexivarTest {
 protected:
  // A component whose table holds exactly these lines.
  TLexivar* WithTable(std::initializer_list<std::string> lines) {
    TLexivar* lexivar = NewLexivar();
    lexivar->Translations()->Clear();
    for (const std::string& line : lines) lexivar->Translations()->SortInsert(line, nullptr);
    return lexivar;
  }
};

}  // namespace

TEST_F(ApplyLocale, AppliesEveryCatalogueEntryAndTheSystemRecord) {
  TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatSettings().CurrencyFormat, 3);  // the positive format follows the locale: "1.234,50 €"
  ASSERT_TRUE(lexivar->TranslateLocale(0x409));
  const TFormatSettings& s = FormatSettings();
  const TFormatSettings expected = GetLocaleFormatSettings(0x409);  // read straight from the same answers
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(s.LongDayNames[i], expected.LongDayNames[i]);
    EXPECT_EQ(s.ShortDayNames[i], expected.ShortDayNames[i]);
  }
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(s.LongMonthNames[i], expected.LongMonthNames[i]);
    EXPECT_EQ(s.ShortMonthNames[i], expected.ShortMonthNames[i]);
  }
  EXPECT_EQ(s.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(s.LongDateFormat, "dddd, MMMM dd, yyyy");
  EXPECT_EQ(s.ShortTimeFormat, "hh:mm AMPM");
  EXPECT_EQ(s.LongTimeFormat, "hh:mm:ss AMPM");
  EXPECT_EQ(s.TimeAMString, "AM");
  EXPECT_EQ(s.TimePMString, "PM");
  EXPECT_EQ(s.CurrencyString, "$");
  EXPECT_EQ(s.ThousandSeparator, ',');
  EXPECT_EQ(s.DecimalSeparator, '.');
  EXPECT_EQ(s.DateSeparator, '/');
  EXPECT_EQ(s.TimeSeparator, ':');
  EXPECT_EQ(Lxv::CurrentListSeparator(), ',');
  EXPECT_EQ(Lxv::CurrentTwoDigitYearCenturyWindow(), 0);
  EXPECT_EQ(s.NegCurrFormat, 0);
  EXPECT_EQ(s.CurrencyDecimals, 2);
  EXPECT_EQ(s.CurrencyFormat, 0);
  EXPECT_EQ(SysLocale().DefaultLCID, 0x409);
  EXPECT_EQ(SysLocale().PriLangID, 0x009);
  EXPECT_EQ(SysLocale().SubLangID, 0x001);
  EXPECT_EQ(GetThreadLocale(), 0x409u);
  EXPECT_EQ(lexivar->CurrentLocale(), 0x409u);
}

TEST_F(ApplyLocale, EveryDayAndMonthNameOfTheLocaleReplacesTheOneBefore) {
  TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  const TFormatSettings& s = FormatSettings();
  const TFormatSettings german = GetLocaleFormatSettings(0x407);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(s.LongDayNames[i], german.LongDayNames[i]);
    EXPECT_EQ(s.ShortDayNames[i], german.ShortDayNames[i]);
  }
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(s.LongMonthNames[i], german.LongMonthNames[i]);
    EXPECT_EQ(s.ShortMonthNames[i], german.ShortMonthNames[i]);
  }
}

TEST_F(ApplyLocale, TheHostsFormattingRoutinesShowTheSwitch) {
  TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  const TDateTime day = EncodeDate(2024, 3, 4) + EncodeTime(14, 5, 0, 0);
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatDateTime("dddd, d. mmmm yyyy", day), "Montag, 4. März 2024");
  EXPECT_EQ(DateToStr(day), "04.03.2024");
  EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 2), "1.234,50");
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "1.234,50 €");
  ASSERT_TRUE(lexivar->TranslateLocale(0x409));
  EXPECT_EQ(DateToStr(day), "3/4/2024");
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "$1,234.50");
}

TEST_F(ApplyLocale, ListSeparatorAndCenturyWindowGoWhereTheGenerationKeepsThem) {
  TLexivar* lexivar = WithTable({"00000407_LISTSEPARATOR=;x", "00000407_TWODIGITYEARCENTURYWINDOW=70000",
                                 "00000407_NEGCURRFORMAT=300", "00000407_CURRENCYDECIMALS=258"});
#if LXV_HOST_GENERATION < 4
  EXPECT_EQ(::TwoDigitYearCenturyWindow, 0);  // where the host starts
#endif
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatSettings().NegCurrFormat, 44);  // 300 in 8 bits
  EXPECT_EQ(FormatSettings().CurrencyDecimals, 2);
#if LXV_HOST_GENERATION < 4
  EXPECT_EQ(::ListSeparator, ';');
  EXPECT_EQ(::TwoDigitYearCenturyWindow, 4464);  // 70000 in 16 bits
#else
  EXPECT_EQ(FormatSettings().ListSeparator, ';');
  EXPECT_EQ(FormatSettings().TwoDigitYearCenturyWindow, 4464);
#endif
}

TEST_F(ApplyLocale, SeparatorsTakeTheFirstCharacterFittedToOneByte) {
  FormatSettings().DateSeparator = '#';
  FormatSettings().TimeSeparator = '#';
  TLexivar* lexivar = WithTable({"00000407_THOUSANDSEPARATOR=\xC2\xA0", "00000407_DECIMALSEPARATOR=\xE2\x80\x99x",
                                 "00000407_DATESEPARATOR=", "00000407_TIMESEPARATOR=\xE2\x82\xAC"});
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatSettings().ThousandSeparator, ' ');   // no-break space
  EXPECT_EQ(FormatSettings().DecimalSeparator, '\'');  // typographic apostrophe
  EXPECT_EQ(FormatSettings().DateSeparator, '#');      // empty: unchanged
  EXPECT_EQ(FormatSettings().TimeSeparator, '#');      // the euro sign has no fit: unchanged
}

TEST_F(ApplyLocale, ValuesAreTakenAfterTheFirstEqualsSignAndTheLaterLineWins) {
  TLexivar* lexivar = WithTable({"00000407_LONGDAYNAMES[1]=Lundi=x", "00000407_SHORTMONTHNAMES[10]=Okt",
                                 "00000407_SHORTMONTHNAMES[1]=A", "00000407_SHORTMONTHNAMES[1]=B",
                                 "00000407_shortdateformat=ignored", "00000407_TIMEAMSTRING=",
                                 "00000407_LONGDATEFORMAT=" + std::string(5000, 'd')});
  FormatSettings().ShortDateFormat = "keep";
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatSettings().LongDayNames[1], "Lundi=x");
  EXPECT_EQ(FormatSettings().ShortMonthNames[1], "B");
  EXPECT_EQ(FormatSettings().ShortMonthNames[10], "Okt");
  EXPECT_EQ(FormatSettings().ShortDateFormat, "keep");
  EXPECT_EQ(FormatSettings().TimeAMString, "");
  EXPECT_EQ(FormatSettings().LongDateFormat, std::string(4095, 'd'));
}

// All or nothing: a line that does not convert leaves the process exactly as
// it was, wherever the line stands among the locale's lines.
TEST_F(ApplyLocale, ABadNumberRaisesAndChangesNothing) {
  for (const char* bad : {"00000407_NEGCURRFORMAT=abc", "00000407_CURRENCYDECIMALS=", "00000407_CURRENCYFORMAT=x",
                          "00000407_TWODIGITYEARCENTURYWINDOW="}) {
    SCOPED_TRACE(bad);
    TLexivar* lexivar = WithTable({"00000407_CURRENCYSTRING=DM", "00000407_LISTSEPARATOR=|", bad,
                                   "00000407_TIMEAMSTRING=vorm.", "00000407_TWODIGITYEARCENTURYWINDOW=50"});
    bool translated = false;
    lexivar->OnTranslated = [&](TObject*) { translated = true; };
    FormatSettings().CurrencyString = "keep";
    FormatSettings().TimeAMString = "keep";
    const TSysLocale sysBefore = SysLocale();
    const char listBefore = Lxv::CurrentListSeparator();
    const int windowBefore = Lxv::CurrentTwoDigitYearCenturyWindow();
    const LCID threadBefore = GetThreadLocale();
    EXPECT_THROW(lexivar->TranslateLocale(0x407), EConvertError);
    EXPECT_THROW(lexivar->SettingsOf(0x407), EConvertError);
    EXPECT_EQ(FormatSettings().CurrencyString, "keep");
    EXPECT_EQ(FormatSettings().TimeAMString, "keep");
    EXPECT_EQ(Lxv::CurrentListSeparator(), listBefore);
    EXPECT_EQ(Lxv::CurrentTwoDigitYearCenturyWindow(), windowBefore);
    EXPECT_FALSE(translated);
    EXPECT_EQ(lexivar->CurrentLocale(), 0x409u);
    EXPECT_EQ(GetThreadLocale(), threadBefore);
    EXPECT_EQ(SysLocale().DefaultLCID, sysBefore.DefaultLCID);
    EXPECT_EQ(Screen().Cursor(), crDefault);
  }
}

// SettingsOf gives what applying would leave in force, and touches nothing.
TEST_F(ApplyLocale, SettingsOfBuildsTheRecordWithoutApplyingIt) {
  TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  int events = 0;
  lexivar->OnTranslate = [&](TObject*, bool&) { ++events; };
  lexivar->OnTranslated = [&](TObject*) { ++events; };
  const TFormatSettings before = FormatSettings();
  const TFormatSettings german = lexivar->SettingsOf(0x407);
  EXPECT_EQ(FormatSettings().CurrencyString, before.CurrencyString);
  EXPECT_EQ(FormatSettings().CurrencyFormat, before.CurrencyFormat);
  EXPECT_EQ(lexivar->CurrentLocale(), 0x409u);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(FloatToStrF(1234567.89, ffCurrency, 15, 2, german), "1.234.567,89 €");
#if LXV_HOST_GENERATION >= 4
  EXPECT_EQ(german.ListSeparator, ';');  // the record carries what the generation keeps in it
#endif
  EXPECT_EQ(FormatDateTime("dddd, d. mmmm yyyy", EncodeDate(2024, 3, 4), german), "Montag, 4. März 2024");
  // Applying gives the same record.
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(FormatSettings().LongDateFormat, german.LongDateFormat);
  EXPECT_EQ(FormatSettings().CurrencyFormat, german.CurrencyFormat);
  EXPECT_EQ(FormatSettings().NegCurrFormat, german.NegCurrFormat);
  // A locale without lines gives the record in force.
  EXPECT_EQ(lexivar->SettingsOf(0x40C).CurrencyString, FormatSettings().CurrencyString);
}

TEST_F(ApplyLocale, TranslateOffSkipAndMissingLinesApplyNothing) {
  TLexivar* lexivar = WithTable({"00000407_CURRENCYSTRING=DM"});
  int translating = 0, translated = 0;
  bool skip = false;
  lexivar->OnTranslate = [&](TObject* sender, bool& s) {
    EXPECT_EQ(sender, lexivar);
    EXPECT_FALSE(s);
    EXPECT_EQ(Screen().Cursor(), crHourGlass);
    ++translating;
    s = skip;
  };
  lexivar->OnTranslated = [&](TObject*) { ++translated; };
  FormatSettings().CurrencyString = "keep";

  lexivar->SetTranslate(false);
  EXPECT_FALSE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(translating, 0);
  lexivar->SetTranslate(true);

  skip = true;
  EXPECT_FALSE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(translating, 1);
  skip = false;
  EXPECT_FALSE(lexivar->TranslateLocale(0x40C));  // no lines
  EXPECT_EQ(translating, 2);
  EXPECT_EQ(FormatSettings().CurrencyString, "keep");
  EXPECT_EQ(translated, 0);
  EXPECT_EQ(Screen().Cursor(), crDefault);

  EXPECT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_EQ(translated, 1);
  lexivar->OnTranslated = [](TObject*) { throw Exception("handler failed"); };
  EXPECT_THROW(lexivar->TranslateLocale(0x407), Exception);  // the cursor is checked after the test
}

TEST_F(ApplyLocale, LocaleZeroIsAppliedWithoutSwitchingPeers) {
  TLexivar* lexivar = WithTable({"00000000_CURRENCYSTRING=zero"});
  lexivar->SetLocale(5);
  TLexivar* other = NewLexivar(NewForm("Other"));
  other->SetLocale(7);
  bool translated = false;
  lexivar->OnTranslated = [&](TObject*) { translated = true; };
  ASSERT_TRUE(lexivar->TranslateLocale(0));
  EXPECT_EQ(FormatSettings().CurrencyString, "zero");
  EXPECT_EQ(SysLocale().DefaultLCID, 0);
  EXPECT_EQ(SysLocale().PriLangID, 0);
  EXPECT_EQ(SysLocale().SubLangID, 0);
  EXPECT_TRUE(other->Translate());
  EXPECT_TRUE(translated);
}

TEST_F(ApplyLocale, BitsAboveBit15GoToTheSubLanguage) {
  TLexivar* lexivar = WithTable({"00050407_CURRENCYSTRING=x"});
  ASSERT_TRUE(lexivar->TranslateLocale(0x00050407));
  EXPECT_EQ(SysLocale().PriLangID, 0x007);
  EXPECT_EQ(SysLocale().SubLangID, 0x141);
}

TEST_F(ApplyLocale, SetLocalesSwitchesPeersByTagAndOtherClassesByLcid) {
  TLexivar* lexivar = WithTable({"00000407_CURRENCYSTRING=DM"});
  lexivar->SetLocale(5);
  TForm* other = NewForm("Other");
  TLexivar* same = NewLexivar(other, "Same");
  TLexivar* different = NewLexivar(other, "Different");
  TLexivar* untagged = NewLexivar(other, "Untagged");
  same->SetLocale(5);
  same->InternalTranslate(false);
  different->SetLocale(7);
  auto* matching = new TLocaleAware(other);
  matching->SetLocale(0x407);
  matching->SetTranslate(false);
  auto* elsewhere = new TLocaleAware(other);
  elsewhere->SetLocale(0x409);
  auto* zero = new TLocaleAware(other);
  new TLocaleOnly(other);
  auto* deep = new TLocaleAware(new TComponent(other));  // three levels below the application
  deep->SetLocale(0x409);
  auto* sibling = new TLocaleAware(lexivar->Owner());  // on the application's first form
  sibling->SetLocale(0x407);
  sibling->SetTranslate(false);
  const TOwned<TLocaleAware> top(new TLocaleAware(&Application()));  // owned by the application itself
  top->SetLocale(0x407);
  top->SetTranslate(false);

  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_TRUE(sibling->Translate());
  EXPECT_TRUE(top->Translate());
  EXPECT_TRUE(same->Translate());
  EXPECT_EQ(same->CurrentLocale(), 0x407u);
  EXPECT_FALSE(different->Translate());
  EXPECT_FALSE(untagged->Translate());  // 0 differs from 5
  EXPECT_EQ(different->CurrentLocale(), 0x409u);
  EXPECT_TRUE(matching->Translate());
  EXPECT_FALSE(elsewhere->Translate());
  EXPECT_TRUE(zero->Translate());
  EXPECT_TRUE(deep->Translate());

  // Untagged, the applying component leaves other translators alone.
  different->SetTranslate(true);
  untagged->SetTranslate(true);
  lexivar->SetLocale(0);
  ASSERT_TRUE(lexivar->TranslateLocale(0x407));
  EXPECT_TRUE(different->Translate());
  EXPECT_TRUE(untagged->Translate());
  EXPECT_FALSE(elsewhere->Translate());
}
