// TLexivar's properties, life cycle, form streaming and the Translate switch
// it shares with its peers.
#include <gtest/gtest.h>

#include "Lxv/LocaleDesignator.h"
#include "lxv/lexivar_env.h"
#include "platform/base/files.h"
#include "platform/design/tool_services.h"
#include "platform/forms/application.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"
#include "support/temp_dir.h"

using Lxv::TLexivar;
using lxvtest::Lines;
using namespace platform;

namespace {

class Lexivar : public lxvtest::LexivarTest {};

struct TProjectServices : TToolServices {
  std::string GetProjectName() override { return "/projects/demo/Demo.dpr"; }
};

}  // namespace

TEST_F(Lexivar, ConstructionValues) {
  TLexivar lexivar(nullptr);
  EXPECT_TRUE(lexivar.Translate());
  EXPECT_EQ(lexivar.Locale(), 0);
  EXPECT_EQ(lexivar.ListFormat(), "%0:s, %1:s");
  EXPECT_EQ(lexivar.About(), "");
  EXPECT_EQ(lexivar.FileName(), "");
  EXPECT_EQ(lexivar.AdoptOn(), nullptr);
  EXPECT_EQ(lexivar.CurrentLocale(), 0x409u);
  ASSERT_EQ(lexivar.Translations()->Count(), 58);
  EXPECT_EQ(lexivar.Translations()->Strings(0), "00000409_CURRENCYDECIMALS=2");
  EXPECT_EQ(Lines(*lexivar.LocaleList()), (std::vector<std::string>{"English, United States"}));
  EXPECT_EQ(lexivar.DesignLocale(), "English, United States 00000409");
  EXPECT_EQ(lexivar.StartupLocale(), "User default 00000400");
}

TEST_F(Lexivar, PublishesItsPropertiesInOrderWithoutDefaults) {
  EXPECT_EQ(GetClass("TLexivar"), TLexivar::StaticClass());
  std::vector<std::string> names;
  for (const TPropInfo& prop : TLexivar::StaticClass()->Properties) {
    names.push_back(prop.Name);
    EXPECT_FALSE(prop.Default.has_value()) << prop.Name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"About", "AdoptOn", "DesignLocale", "FileName", "ListFormat", "Locale",
                                             "StartupLocale", "Translate", "Translations", "OnTranslate",
                                             "OnTranslated"}));
  TLexivar lexivar(nullptr);
  EXPECT_FALSE(GetPropInfo(&lexivar, "About")->IsStored(lexivar));
  EXPECT_TRUE(GetPropInfo(&lexivar, "Translations")->IsStored(lexivar));
  lexivar.SetFileName("trans.txt");
  EXPECT_FALSE(GetPropInfo(&lexivar, "Translations")->IsStored(lexivar));
}

TEST_F(Lexivar, LocaleDesignatorWritersIgnoreInvalidText) {
  TLexivar lexivar(nullptr);
  const std::string monday = FormatSettings().LongDayNames[1];
  for (const char* bad : {"abc", "English 409", "0409", "x"}) {
    lexivar.SetDesignLocale(bad);
    lexivar.SetStartupLocale(bad);
  }
  EXPECT_EQ(lexivar.DesignLocale(), "English, United States 00000409");
  EXPECT_EQ(lexivar.StartupLocale(), "User default 00000400");
  lexivar.SetStartupLocale("00000407");
  EXPECT_EQ(lexivar.StartupLocale(), "00000407");
  // At run time a new design locale changes only the property.
  lexivar.SetDesignLocale("German, Germany 00000407");
  EXPECT_EQ(lexivar.DesignLocale(), "German, Germany 00000407");
  EXPECT_EQ(lexivar.CurrentLocale(), 0x409u);
  lexivar.SetDesigning(true);
  lexivar.SetDesignLocale("French, France 0000040C");
  EXPECT_EQ(lexivar.CurrentLocale(), 0x40Cu);
  EXPECT_EQ(FormatSettings().LongDayNames[1], monday);  // nothing applied
}

TEST_F(Lexivar, SetTranslationsSortsTheLinesInAndLeavesTheLocaleList) {
  TLexivar lexivar(nullptr);
  TStringList source;
  source.AddObject("00000407_NATIVENAME=Deutsch", ObjectFromInt(7));
  source.AddObject("00000407_ENGLISHNAME=German", ObjectFromInt(8));
  source.AddObject("00000300_X=1", nullptr);
  lexivar.SetTranslations(&source);
  EXPECT_EQ(Lines(*lexivar.Translations()),
            (std::vector<std::string>{"00000300_X=1", "00000407_ENGLISHNAME=German", "00000407_NATIVENAME=Deutsch"}));
  EXPECT_EQ(IntFromObject(lexivar.Translations()->Objects(2)), 7);
  EXPECT_EQ(Lines(*lexivar.LocaleList()), (std::vector<std::string>{"English, United States"}));
  lexivar.SetTranslations(lexivar.Translations());  // its own table: no change
  EXPECT_EQ(lexivar.Translations()->Count(), 3);
}

TEST_F(Lexivar, TranslateSwitchReachesPeersOnOtherFormsOnly) {
  TLexivar* a = NewLexivar(NewForm("FormA"));
  TLexivar* b = NewLexivar(NewForm("FormB"));
  TLexivar* untagged = NewLexivar(NewForm("FormC"));
  TLexivar* other = NewLexivar(NewForm("FormD"));
  a->SetLocale(3);
  b->SetLocale(3);
  other->SetLocale(4);
  const TFormatSettings before = FormatSettings();
  a->SetTranslate(false);
  EXPECT_FALSE(b->Translate());
  EXPECT_TRUE(untagged->Translate());
  EXPECT_TRUE(other->Translate());
  EXPECT_EQ(FormatSettings().ShortDateFormat, before.ShortDateFormat);
  // Without a tag nobody else is touched.
  untagged->SetTranslate(false);
  EXPECT_FALSE(a->Translate());
  EXPECT_TRUE(other->Translate());
  a->InternalTranslate(true);  // the flag alone
  EXPECT_FALSE(b->Translate());
}

TEST_F(Lexivar, LoadedAppliesTheStartupLocaleOrElseTheDesignLocale) {
  TLexivar* lexivar = NewLexivar();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  lexivar->SetStartupLocale(Lxv::SystemDefaultDesignator());  // 0407 in these tests
  lexivar->Loaded();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
  EXPECT_EQ(FormatSettings().LongDayNames[1], "Montag");

  lexivar->SetStartupLocale(Lxv::UserDefaultDesignator());  // 0409
  lexivar->Loaded();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x409u);
  EXPECT_EQ(FormatSettings().LongDayNames[1], "Monday");

  lexivar->SetStartupLocale("Italian 00000410");  // no lines: the design locale instead
  lexivar->SetDesignLocale("German, Germany 00000407");
  lexivar->Loaded();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);

  lexivar->SetTranslate(false);
  lexivar->SetStartupLocale(Lxv::UserDefaultDesignator());
  lexivar->Loaded();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
  EXPECT_EQ(FormatSettings().LongDayNames[1], "Montag");
}

TEST_F(Lexivar, FormRoundTripInTextAndBinary) {
  TForm* form = NewForm("MainForm");
  TLexivar* lexivar = NewLexivar(form, "Translator");
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  lexivar->SetListFormat("%2:s");
  lexivar->SetLocale(9);
  lexivar->SetAbout("not stored");
  lexivar->SetStartupLocale("German, Germany 00000407");
  const std::string text = lxvtest::FormText(*form);
  EXPECT_NE(text.find("Storage = 0"), std::string::npos) << text;
  EXPECT_NE(text.find("Translate = True"), std::string::npos);
  EXPECT_NE(text.find("'00000407_CURRENCYDECIMALS=2'"), std::string::npos);
  EXPECT_EQ(text.find("About"), std::string::npos);
  EXPECT_LT(text.find("Translations.Strings"), text.find("Storage"));

  for (const std::string& content : {text, lxvtest::WriteForm(*form)}) {
    TForm* read = ReadForm(content);
    auto* copy = DynCast<TLexivar>(read->FindComponent("Translator"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Lines(*copy->Translations()), Lines(*lexivar->Translations()));
    EXPECT_EQ(copy->ListFormat(), "%2:s");
    EXPECT_EQ(copy->Locale(), 9);
    EXPECT_EQ(copy->About(), "");
    EXPECT_EQ(copy->DesignLocale(), lexivar->DesignLocale());
    EXPECT_EQ(copy->CurrentLocale(), 0x407u);  // the startup locale was applied at load
    EXPECT_EQ(FormatSettings().LongMonthNames[3], "März");
  }
}

TEST_F(Lexivar, WithAFileNameTheFormHoldsStorageButNoTranslations) {
  testing_support::TempDir dir;
  const std::string file = dir.File("trans.txt");
  TForm* form = NewForm("MainForm");
  NewLexivar(form)->SetFileName(file);
  const std::string text = lxvtest::FormText(*form);
  EXPECT_EQ(text.find("Translations"), std::string::npos) << text;
  EXPECT_NE(text.find("FileName = '" + file + "'"), std::string::npos);
  EXPECT_NE(text.find("Storage = 0"), std::string::npos);
}

TEST_F(Lexivar, ReadingAFormSharesTheTranslateSwitchWithPeers) {
  TLexivar* existing = NewLexivar(NewForm("FormA"));
  existing->SetLocale(3);
  const TFormatSettings before = FormatSettings();
  // Stored false: the writer reaches the existing peer while the form is read.
  ReadForm("object FormB: TForm\n  object L: TLexivar\n    Locale = 3\n    Translate = False\n  end\nend\n");
  EXPECT_FALSE(existing->Translate());
  // Stored true, but a peer is off: Loaded takes the peer's switch and applies nothing.
  TForm* c = ReadForm("object FormC: TForm\n  object L: TLexivar\n    Locale = 3\n    Translate = True\n  end\nend\n");
  EXPECT_FALSE(As<TLexivar>(c->FindComponent("L"))->Translate());
  EXPECT_EQ(FormatSettings().ShortDateFormat, before.ShortDateFormat);
  // No peer: the stored switch stays.
  TForm* d = ReadForm("object FormD: TForm\n  object L: TLexivar\n    Locale = 4\n    Translate = True\n  end\nend\n");
  EXPECT_TRUE(As<TLexivar>(d->FindComponent("L"))->Translate());
}

TEST_F(Lexivar, LoadedTakesTheSwitchOfTheFirstPeerOnly) {
  TLexivar* first = NewLexivar(NewForm("FormA"));
  TLexivar* second = NewLexivar(NewForm("FormB"));
  TLexivar* loaded = NewLexivar(NewForm("FormC"));
  for (TLexivar* peer : {first, second, loaded}) peer->SetLocale(3);
  second->InternalTranslate(false);  // peers that disagree
  loaded->Loaded();
  EXPECT_TRUE(loaded->Translate());
  EXPECT_TRUE(first->Translate());
}

TEST_F(Lexivar, ForgetsTheAdoptedComponentWhenItIsDestroyed) {
  TLexivar* lexivar = NewLexivar(NewForm("FormA"));
  // On another form and without a name: only a free notification reports it.
  auto* control = new TListBox(NewForm("FormB"));
  lexivar->SetAdoptOn(control);
  EXPECT_EQ(lexivar->AdoptOn(), control);
  control->Free();
  EXPECT_EQ(lexivar->AdoptOn(), nullptr);
  // Destroyed first, the component leaves nothing behind in the control.
  auto* second = new TPopupMenu(nullptr);
  auto* transient = new TLexivar(nullptr);
  transient->SetAdoptOn(second);
  transient->Free();
  EXPECT_EQ(second->Items()->Count(), 0);  // its items left the menu
  second->Free();
  // Taken into the component's own form, the control stays adopted.
  TForm* home = NewForm("FormC");
  TLexivar* adopting = NewLexivar(home, "Adopting");
  auto* ownerless = new TListBox(nullptr);
  adopting->SetAdoptOn(ownerless);
  home->InsertComponent(ownerless);
  EXPECT_EQ(adopting->AdoptOn(), ownerless);
}

TEST_F(Lexivar, AppDirIsTheExecutablesOrAtDesignTimeTheProjects) {
  TLexivar lexivar(nullptr);
  EXPECT_EQ(lexivar.GetAppDir(), ExtractFilePath(Application().ExeName()));
  EXPECT_TRUE(lexivar.GetAppDir().ends_with("/"));
  TProjectServices services;
  TToolServices* previous = SetToolServices(&services);
  EXPECT_EQ(lexivar.GetAppDir(), ExtractFilePath(Application().ExeName()));  // not designing
  lexivar.SetDesigning(true);
  EXPECT_EQ(lexivar.GetAppDir(), "/projects/demo/");
  SetToolServices(previous);
}
