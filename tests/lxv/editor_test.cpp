// The Locale Translation Editor, driven by the scripted user: opening, OK and
// Cancel, the translation field and its moves, fonts, the Locales page, the
// pool file, loading and saving, settings, and ShowEditor around it.
#include <functional>
#include <string>
#include <vector>

#include "Lxv/LocaleDesignator.h"
#include "LxvEdit/LocaleEditor.h"
#include "lxv/lexivar_env.h"
#include "platform/forms/application.h"
#include "platform/forms/list_controls.h"
#include "platform/settings/reg_ini_file.h"
#include "support/temp_dir.h"

namespace lxvtest {
namespace {

using namespace platform;
using Lxv::TLexivar;
using LxvEdit::TLocaleEditor;

std::vector<std::string> Entries(const TStrings& items) { return Lines(items); }
std::int32_t Lcid(const TStrings& items, int index) { return IntFromObject(items.Objects(index)); }
bool Holds(const TStrings& items, std::int32_t lcid) { return items.IndexOfObject(ObjectFromInt(lcid)) >= 0; }
// The value of the line with this key, "<none>" when there is none.
std::string Value(const TStrings& lines, const std::string& key) { return ValueOf(lines, key + "="); }
int CountPrefix(const TStrings& lines, const std::string& prefix) {
  int n = 0;
  for (int i = 0; i < lines.Count(); ++i) n += lines.Strings(i).starts_with(prefix) ? 1 : 0;
  return n;
}

// The pages of the notebook, in order.
constexpr int kTranslations = 0, kLocales = 1, kOptions = 2, kFont = 3, kDictionary = 4;

class LocaleEditorTest : public LexivarTest {
 protected:
  LocaleEditorTest() : form(NewForm("Form1")), lexivar(NewLexivar(form)) {
    SetSettingsDirectory(settingsDir.Path().string());
    lexivar->AddOrgProps(0x407, *lexivar->Translations());  // English (user default) and German
  }
  ~LocaleEditorTest() override { SetSettingsDirectory(""); }

  TScriptedUser& User() { return session.User(); }
  // A step that looks at (or changes) the open dialog.
  TScriptedUser& Check(std::function<void(TLocaleEditor&)> check) {
    return User().Do("check", [check](TForm& f) { check(*As<TLocaleEditor>(&f)); });
  }
  // Opens a dialog on `lexivar` and runs the queued script; returns the result.
  int Run(std::int32_t design = 0x409, std::int32_t startup = 0x400) {
    TOwned<TLocaleEditor> dialog(new TLocaleEditor(&Application()));
    dialog->EditComponent = lexivar;
    dialog->DesignLocaleId = design;
    dialog->StartupLocaleId = startup;
    const int result = dialog->ShowModal();
    designBack = dialog->DesignLocaleId;
    startupBack = dialog->StartupLocaleId;
    EXPECT_EQ(User().Pending(), 0u);
    return result;
  }
  TScriptedUser& Discard() { return User().Click("BtnCancel").Answer(mrYes); }
  std::string Setting(const std::string& name) {
    return TRegIniFile("Software\\Korvane").ReadString("Lexivar", name, "<none>");
  }
  void SetSetting(const std::string& name, const std::string& value) {
    TRegIniFile("Software\\Korvane").WriteString("Lexivar", name, value);
  }
  // A translation file with the given locales, as the dialog's temporary
  // translator (owner Form1, Locale 0) reads and writes it.
  std::string FileWith(const std::string& name, std::initializer_list<LCID> lcids) {
    TOwned<TLexivar> source(new TLexivar(form));
    source->Translations()->Clear();
    for (LCID lcid : lcids) source->AddOrgProps(lcid, *source->Translations());
    source->SaveTo(files.File(name));
    return files.File(name);
  }

  testing_support::TempDir settingsDir;
  testing_support::TempDir files;
  TForm* form;
  TLexivar* lexivar;
  std::int32_t designBack = 0, startupBack = 0;
};

TEST_F(LocaleEditorTest, OpensOnTheFirstLocaleWithNoPropertyAndOkWithoutChangeCancels) {
  const std::vector<std::string> before = Lines(*lexivar->Translations());
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(d.LocaleNotebook->PageIndex(), 0);
    std::vector<std::string> pages;
    for (int i = 0; i < d.LocaleNotebook->PageCount(); ++i) pages.push_back(d.LocaleNotebook->Pages(i)->Caption());
    EXPECT_EQ(pages, (std::vector<std::string>{"Translations", "Locales", "Options", "Font", "Dictionary"}));
    EXPECT_EQ(Entries(*d.CbxLang->Items()), (std::vector<std::string>{"English, United States", "German, Germany"}));
    EXPECT_EQ(d.CbxLang->ItemIndex(), 0);
    EXPECT_EQ(d.PropList->Items()->Count(), CountPrefix(*d.WorkTranslations, "00000409_"));
    EXPECT_EQ(d.PropList->Items()->Count(), 58);
    EXPECT_EQ(d.PropList->ItemIndex(), -1);
    EXPECT_EQ(d.LblProp->Caption(), "");
    EXPECT_FALSE(d.EdtTranslation->Enabled());
    EXPECT_EQ(d.EdtTranslation->Color(), clBtnFace);
    // Not designing: no default entries, the two buttons hidden.
    EXPECT_EQ(d.LangListInApp->Items()->Count(), 2);
    EXPECT_FALSE(d.BtnSetStartup->Visible());
    EXPECT_FALSE(d.BtnSetDefault->Visible());
    // The pool of the system's ten locales offers the eight not in the application.
    EXPECT_EQ(d.LangList->Items()->Count(), 8);
    EXPECT_FALSE(Holds(*d.LangList->Items(), 0x409));
    EXPECT_EQ(d.DescList->Items()->Count(), 59);
    EXPECT_EQ(Application().HintPause(), 400);
  });
  User().Click("BtnOK");
  EXPECT_EQ(Run(), mrCancel);
  EXPECT_EQ(Lines(*lexivar->Translations()), before);
}

TEST_F(LocaleEditorTest, DesigningListsTheDefaultEntriesAndShowsTheTwoButtons) {
  form->SetDesigning(true);
  lexivar->Translations()->Clear();
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Entries(*d.LangListInApp->Items()), (std::vector<std::string>{"(System default)", "(User default)"}));
    EXPECT_EQ(d.CbxLang->Items()->Count(), 0);
    EXPECT_EQ(d.PropList->Items()->Count(), 0);
    EXPECT_FALSE(d.EdtTranslation->Enabled());
    EXPECT_TRUE(d.BtnSetStartup->Visible());
    EXPECT_TRUE(d.BtnSetDefault->Visible());
    EXPECT_EQ(d.LangList->Items()->Count(), 10);
  });
  User().Click("BtnCancel");
  EXPECT_EQ(Run(), mrCancel);
}

TEST_F(LocaleEditorTest, PoolFromAFileHoldsTheUserDefaultBesideTheFileLocales) {
  lexivar->Translations()->Clear();
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  SetSetting("LoadLocales", files.File("missing.txt"));
  Check([](TLocaleEditor& d) { EXPECT_EQ(d.LangList->Items()->Count(), 0); }).Click("BtnCancel");
  Run();
  SetSetting("LoadLocales", FileWith("pool.txt", {0x407, 0x411}));
  Check([](TLocaleEditor& d) {
    const TStrings& offered = *d.LangList->Items();
    EXPECT_EQ(offered.Count(), 2);
    EXPECT_TRUE(Holds(offered, 0x409));  // built by the temporary translator itself
    EXPECT_TRUE(Holds(offered, 0x411));
    EXPECT_EQ(CountPrefix(*d.SystemLocaleProps, "00000407"), 58);  // hidden: held by the application
  }).Click("BtnCancel");
  Run();
}

TEST_F(LocaleEditorTest, AnEditCommittedByClickingOkReachesTheComponent) {
  const std::string english = Value(*lexivar->Translations(), "00000409_DATESEPARATOR");
  User().Pick("CbxLang", "German, Germany").Pick("PropList", "DATESEPARATOR").Focus("EdtTranslation");
  Check([](TLocaleEditor& d) { d.EdtTranslation->SelectAll(); });
  User().Type("-").Click("BtnOK");
  EXPECT_TRUE(lexivar->ShowEditor());
  EXPECT_EQ(Value(*lexivar->Translations(), "00000407_DATESEPARATOR"), "-");
  EXPECT_EQ(Value(*lexivar->Translations(), "00000409_DATESEPARATOR"), english);
}

TEST_F(LocaleEditorTest, CancelAsksOnlyAfterAChangeAndNoKeepsTheDialogOpen) {
  User().Click("BtnCancel");
  EXPECT_EQ(Run(), mrCancel);
  EXPECT_TRUE(User().Shown().empty());

  const std::vector<std::string> before = Lines(*lexivar->Translations());
  User().Pick("LocaleNotebook", kLocales).Pick("LangList", 0).Click("BtnCopyLang").Click("BtnCancel").Answer(mrNo);
  Check([](TLocaleEditor& d) {
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.LangListInApp->Items()->Count(), 3);
  });
  Discard();
  EXPECT_EQ(Run(), mrCancel);
  ASSERT_EQ(User().Shown().size(), 2u);
  EXPECT_EQ(User().Shown()[0].Text, "Do you want to discard the changes ?");
  EXPECT_EQ(User().Shown()[1].Answer, "mrYes");
  EXPECT_EQ(Lines(*lexivar->Translations()), before);
}

TEST_F(LocaleEditorTest, TranslationFieldCommitsOnExitAndEscapeRevertsToTheShownValue) {
  const std::string monday = Value(*lexivar->Translations(), "00000409_LONGDAYNAMES[1]");
  User().Pick("PropList", "LONGDAYNAMES[1]");
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.LblProp->Caption(), "Native name for Monday.");
    EXPECT_EQ(d.LblProp->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(d.EdtTranslation->Text(), monday);
    EXPECT_TRUE(d.EdtTranslation->Enabled());
    EXPECT_EQ(d.EdtTranslation->Color(), clWindow);
  });
  User().Pick("CbxLang", "German, Germany");  // no property current: no description
  Check([](TLocaleEditor& d) { EXPECT_EQ(d.LblProp->Caption(), ""); });
  User().Pick("CbxLang", "English, United States").Pick("PropList", "LONGDAYNAMES[1]");
  User().Focus("EdtTranslation").Focus("CbxLang");  // left unchanged: nothing stored
  Check([](TLocaleEditor& d) { EXPECT_FALSE(d.Modified); });
  User().Focus("EdtTranslation");
  Check([](TLocaleEditor& d) { d.EdtTranslation->SelectAll(); });
  // Return commits as leaving does and types no line break: a table value
  // holds none.
  User().Type("a\tb\n");
  Check([](TLocaleEditor& d) {
    EXPECT_TRUE(d.Modified);
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(Value(*d.WorkTranslations, "00000409_LONGDAYNAMES[1]"), "a\tb");
  });
  User().Type("c").Focus("CbxLang");
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Value(*d.WorkTranslations, "00000409_LONGDAYNAMES[1]"), "a\tbc");
    EXPECT_EQ(Value(*d.WorkTranslations, "00000407_LONGDAYNAMES[1]"), "Montag");
  });
  User().Focus("EdtTranslation").Press(VK_ESCAPE);
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.EdtTranslation->Text(), monday);
    EXPECT_EQ(Value(*d.WorkTranslations, "00000409_LONGDAYNAMES[1]"), monday);
    EXPECT_TRUE(d.Modified);
    EXPECT_TRUE(d.Visible());  // Escape belonged to the field, not to Cancel
    // A property whose line went away: the field is emptied and stores nothing.
    d.WorkTranslations->Delete(d.WorkTranslations->IndexOf("00000409_LONGDAYNAMES[2]=" +
                                                           Value(*d.WorkTranslations, "00000409_LONGDAYNAMES[2]")));
  });
  User().Pick("PropList", "LONGDAYNAMES[2]").Focus("EdtTranslation").Type("x").Press(VK_ESCAPE).Focus("CbxLang");
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(d.EdtTranslation->Text(), "x");
    EXPECT_EQ(Value(*d.WorkTranslations, "00000409_LONGDAYNAMES[2]"), "<none>");
  });
  Discard();
  Run();
}

TEST_F(LocaleEditorTest, PageUpAndDownMoveByOneOrToTheNearestUntranslated) {
  const auto current = [](TLocaleEditor& d) { return std::string(d.PropList->Items()->Strings(d.PropList->ItemIndex())); };
  User().Pick("LocaleNotebook", kOptions).Click("CkxMove").Pick("LocaleNotebook", kTranslations);  // option off
  // Moves follow the list's own order; the shift state is not looked at.
  std::string first, second;
  User().Pick("PropList", "LONGMONTHNAMES[1]").Focus("EdtTranslation").Press(VK_NEXT, {ssShift});
  Check([&](TLocaleEditor& d) {
    const int index = d.PropList->ItemIndex();
    first = d.PropList->Items()->Strings(index - 1);
    second = current(d);
    EXPECT_EQ(first, "LONGMONTHNAMES[1]");
    EXPECT_EQ(second, "LONGMONTHNAMES[10]");  // the list sorts as people read
    EXPECT_EQ(d.PropList->SelCount(), 1);
    EXPECT_TRUE(d.PropList->Selected(index));
    EXPECT_EQ(d.EdtTranslation->Text(), Value(*d.WorkTranslations, "00000409_" + second));
  });
  User().Press(VK_PRIOR, {ssCtrl});
  Check([&](TLocaleEditor& d) { EXPECT_EQ(current(d), first); });
  // At the first property Page Up only commits.
  User().Pick("PropList", 0).Focus("EdtTranslation").Type("z").Press(VK_PRIOR);
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.PropList->ItemIndex(), 0);
    EXPECT_TRUE(d.PropList->Selected(0) && d.PropList->SelCount() == 1);
    EXPECT_TRUE(d.Modified);
    EXPECT_NE(Value(*d.WorkTranslations, "00000409_" + current(d)).find('z'), std::string::npos);
  });
  User().Press(VK_NEXT);
  Check([&](TLocaleEditor& d) { EXPECT_TRUE(d.PropList->Selected(1) && d.PropList->SelCount() == 1); });
  Discard();
  Run();
}

TEST_F(LocaleEditorTest, PageDownWithTheOptionStopsAtTheNextEmptyValueOrTheLast) {
  const auto current = [](TLocaleEditor& d) { return std::string(d.PropList->Items()->Strings(d.PropList->ItemIndex())); };
  // Every value filled: Page Down runs to the last property, Page Up back to the first.
  User().Pick("PropList", 0).Focus("EdtTranslation").Press(VK_NEXT);
  Check([&](TLocaleEditor& d) { EXPECT_EQ(d.PropList->ItemIndex(), d.PropList->Items()->Count() - 1); });
  User().Press(VK_NEXT);  // on the last: stays
  Check([&](TLocaleEditor& d) { EXPECT_EQ(d.PropList->ItemIndex(), d.PropList->Items()->Count() - 1); });
  User().Press(VK_PRIOR);
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.PropList->ItemIndex(), 0);
    EXPECT_FALSE(d.Modified);
    // One empty value in the middle stops both directions there.
    const int line = d.WorkTranslations->IndexOf("00000409_LONGDATEFORMAT=" +
                                                 Value(*d.WorkTranslations, "00000409_LONGDATEFORMAT"));
    d.WorkTranslations->SetStrings(line, "00000409_LONGDATEFORMAT=");
  });
  User().Press(VK_NEXT);
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(current(d), "LONGDATEFORMAT");
    EXPECT_EQ(d.EdtTranslation->Text(), "");
  });
  User().Pick("PropList", "TWODIGITYEARCENTURYWINDOW").Focus("EdtTranslation").Press(VK_PRIOR);
  Check([&](TLocaleEditor& d) { EXPECT_EQ(current(d), "LONGDATEFORMAT"); });
  User().Click("BtnCancel");
  EXPECT_EQ(Run(), mrCancel);
}

TEST_F(LocaleEditorTest, FontsApplyWholeButOnlyTheNameSurvivesIntoTheNextDialog) {
  int layoutSize = 0;
  User().Pick("LocaleNotebook", kFont).Click("BtnEditFont").ChooseFont([](TFont& f) {
    f.SetName("Courier New");
    f.SetSize(20);
  });
  User().Click("BtnDisplayFont").CancelFont();
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.EdtTranslation->Font()->Name(), "Courier New");
    EXPECT_EQ(d.EdtTranslation->Font()->Size(), 20);
    EXPECT_EQ(d.LblEditFont->Caption(), "Courier New");
    EXPECT_EQ(d.PropList->Font()->Name(), "Arial");
    EXPECT_EQ(d.LblDisplayFont->Caption(), "Arial");
    layoutSize = d.PropList->Font()->Size();
  });
  User().Click("BtnCancel");
  EXPECT_EQ(Run(), mrCancel);  // a font is no change of the translations
  EXPECT_EQ(Setting("EditFontName"), "Courier New");
  EXPECT_EQ(Setting("DisplayFontName"), "<none>");
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(d.EdtTranslation->Font()->Name(), "Courier New");
    EXPECT_EQ(d.EdtTranslation->Font()->Size(), layoutSize);
    EXPECT_EQ(d.LblEditFont->Caption(), "Courier New");
  });
  User().Pick("LocaleNotebook", kFont).Click("BtnDisplayFont").ChooseFont([](TFont& f) { f.SetName("Courier New"); });
  Check([&](TLocaleEditor& d) { EXPECT_EQ(d.LblDisplayFont->Caption(), "Courier New"); });
  User().Click("BtnCancel");
  Run();
}

TEST_F(LocaleEditorTest, LocalesPageEnablingFollowsTheCurrentEntry) {
  form->SetDesigning(true);
  const auto buttons = [](TLocaleEditor& d) {
    return std::vector<bool>{d.BtnRemoveLang->Enabled(), d.BtnSetDefault->Enabled(), d.BtnSetStartup->Enabled()};
  };
  const std::vector<std::pair<std::string, std::vector<bool>>> table = {
      {"English, United States", {false, false, true}},  // the design-time locale
      {"German, Germany", {false, true, false}},          // the startup locale
      {"(User default)", {false, false, true}},
      {"(System default)", {false, false, true}},
  };
  User().Pick("LocaleNotebook", kLocales);
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(buttons(d), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(d.BtnCopyLang->Enabled());
  });
  for (const auto& [entry, expected] : table) {
    User().Pick("LangListInApp", entry);
    Check([&, expected = expected, entry = entry](TLocaleEditor& d) { EXPECT_EQ(buttons(d), expected) << entry; });
  }
  User().Pick("LangList", "French, France");
  Check([&](TLocaleEditor& d) { EXPECT_TRUE(d.BtnCopyLang->Enabled()); });
  User().Click("BtnCopyLang").Pick("LangListInApp", "French, France");
  Check([&](TLocaleEditor& d) {
    EXPECT_FALSE(d.BtnCopyLang->Enabled());
    EXPECT_EQ(buttons(d), (std::vector<bool>{true, true, true}));
  });
  User().Click("BtnSetStartup");
  Check([&](TLocaleEditor& d) { EXPECT_EQ(buttons(d), (std::vector<bool>{false, true, false})); });
  User().Click("BtnSetDefault");
  Check([&](TLocaleEditor& d) { EXPECT_EQ(buttons(d), (std::vector<bool>{false, false, false})); });
  User().Pick("LangListInApp", "(System default)").Click("BtnSetStartup").Click("BtnOK");
  EXPECT_EQ(Run(0x409, 0x407), mrOk);
  EXPECT_EQ(designBack, 0x40C);
  EXPECT_EQ(startupBack, 0x800);
}

TEST_F(LocaleEditorTest, CopyAndRemoveMoveEveryLineOfALocaleAndBack) {
  User().Pick("LocaleNotebook", kLocales).Pick("LangList", "French, France");
  std::vector<std::string> pool, work;
  Check([&](TLocaleEditor& d) {
    pool = Lines(*d.SystemLocaleProps);
    work = Lines(*d.WorkTranslations);
  });
  User().Click("BtnCopyLang");
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(CountPrefix(*d.SystemLocaleProps, "0000040C"), 0);
    EXPECT_EQ(CountPrefix(*d.WorkTranslations, "0000040C"), 58);
    EXPECT_FALSE(Holds(*d.LangList->Items(), 0x40C));
    EXPECT_TRUE(Holds(*d.LangListInApp->Items(), 0x40C));
    EXPECT_TRUE(Holds(*d.CbxLang->Items(), 0x40C));
    EXPECT_EQ(Lcid(*d.CbxLang->Items(), d.CbxLang->ItemIndex()), 0x409);  // the choice stays
    EXPECT_TRUE(d.Modified);
  });
  User().Pick("LocaleNotebook", kTranslations).Pick("CbxLang", "French, France");
  User().Pick("LocaleNotebook", kLocales).Pick("LangListInApp", "French, France").Click("BtnRemoveLang");
  Check([&](TLocaleEditor& d) {
    EXPECT_EQ(Lines(*d.SystemLocaleProps), pool);
    EXPECT_EQ(Lines(*d.WorkTranslations), work);
    EXPECT_TRUE(Holds(*d.LangList->Items(), 0x40C));
    EXPECT_FALSE(Holds(*d.CbxLang->Items(), 0x40C));
    EXPECT_EQ(d.CbxLang->ItemIndex(), -1);  // the removed locale was the chosen one
    EXPECT_EQ(d.PropList->Items()->Count(), 0);
    EXPECT_FALSE(d.BtnRemoveLang->Enabled());
  });
  Discard();
  Run();
}

TEST_F(LocaleEditorTest, TheFirstTableLineAndTheFirstChooserEntryAreNoExceptions) {
  // German sorts first in the table, so its first property is line 0.
  User().Pick("CbxLang", "German, Germany").Pick("PropList", 0);
  Check([](TLocaleEditor& d) {
    const std::string_view line = d.WorkTranslations->Strings(0);
    EXPECT_EQ(d.EdtTranslation->Text(), line.substr(line.find('=') + 1));
    EXPECT_TRUE(d.EdtTranslation->Enabled());
  });
  // English is the chooser's first entry; removed, it leaves the chooser too.
  User().Pick("LocaleNotebook", kLocales).Pick("LangListInApp", "English, United States").Click("BtnRemoveLang");
  Check([](TLocaleEditor& d) { EXPECT_EQ(Entries(*d.CbxLang->Items()), std::vector<std::string>{"German, Germany"}); });
  Discard();
  Run(0x407, 0x400);
}

TEST_F(LocaleEditorTest, ANameOnTheTablesFirstLineNamesItsLocale) {
  Lxv::TSortList& table = *lexivar->Translations();
  table.Clear();
  table.SortInsert("00000407_ENGLISHCOUNTRYNAME=Germany", nullptr);
  table.SortInsert("00000407_ENGLISHNAME=German", nullptr);
  Check([](TLocaleEditor& d) { EXPECT_EQ(Entries(*d.CbxLang->Items()), std::vector<std::string>{"German, Germany"}); });
  User().Click("BtnCancel");
  Run(0x407, 0x400);
}

TEST_F(LocaleEditorTest, NewLocaleFromATypedIdentifier) {
  User().Pick("LocaleNotebook", kLocales).Click("BtnUserLang").AnswerInput("1033");  // already held: nothing
  Check([](TLocaleEditor& d) { EXPECT_FALSE(d.Modified); });
  User().Click("BtnUserLang").AnswerInput("abc");  // a conversion error, reported
  Check([](TLocaleEditor& d) {
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.LangListInApp->Items()->Count(), 2);
  });
  User().Click("BtnUserLang").AnswerInput("1036");  // offered by the pool
  Check([](TLocaleEditor& d) {
    EXPECT_TRUE(d.Modified);
    EXPECT_TRUE(Holds(*d.LangListInApp->Items(), 0x40C));
    EXPECT_FALSE(Holds(*d.LangList->Items(), 0x40C));
    EXPECT_EQ(CountPrefix(*d.SystemLocaleProps, "0000040C"), 58);  // its pool lines stay
  });
  User().Click("BtnUserLang").AnswerInput("1024");  // not designing: a locale of its own
  Check([](TLocaleEditor& d) { EXPECT_EQ(CountPrefix(*d.WorkTranslations, "00000400_"), 58); });
  User().Click("BtnUserLang").AnswerInput("268435456");  // 0x10000000: every digit of the prefix counts
  Check([](TLocaleEditor& d) { EXPECT_TRUE(Holds(*d.LangListInApp->Items(), 0x10000000)); });
  Discard();
  Run();
  ASSERT_GE(User().Shown().size(), 3u);
  EXPECT_EQ(User().Shown()[0].Caption, "New locale");
  EXPECT_EQ(User().Shown()[0].Text, "Locale identifier (integer)");
  EXPECT_NE(User().Shown()[2].Text.find("abc"), std::string::npos);  // the error names the text

  form->SetDesigning(true);
  User().Pick("LocaleNotebook", kLocales).Click("BtnUserLang").AnswerInput("1024");  // designing: a default entry holds it
  Check([](TLocaleEditor& d) { EXPECT_FALSE(d.Modified); });
  User().Click("BtnCancel");
  Run();
}

// A click on another tab takes the focus: the field's exit handler commits
// the pending edit, and the pool file field reloads.
TEST_F(LocaleEditorTest, ATabClickCommitsThePendingEditAndReloadsThePool) {
  const std::string pool = FileWith("pool.txt", {0x411});
  User().Pick("PropList", "LONGDAYNAMES[1]").Focus("EdtTranslation");
  Check([](TLocaleEditor& d) { d.EdtTranslation->SelectAll(); });
  User().Type("Lunes").Pick("LocaleNotebook", kOptions).Focus("EdtLocaleList").Type(pool);
  User().Pick("LocaleNotebook", kLocales);
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Entries(*d.LangList->Items()), (std::vector<std::string>{"Japanese, Japan"}));
  });
  User().Click("BtnOK");
  EXPECT_EQ(Run(), mrOk);
  EXPECT_EQ(Value(*lexivar->Translations(), "00000409_LONGDAYNAMES[1]"), "Lunes");
}

// Setting the startup locale alone is a change; Escape reverts the table's
// very first line as any other.
TEST_F(LocaleEditorTest, AStartupChoiceIsAChangeAndEscapeRevertsTheFirstLine) {
  form->SetDesigning(true);  // the startup button shows at design time only
  User().Pick("CbxLang", "German, Germany").Pick("PropList", "CURRENCYDECIMALS").Focus("EdtTranslation");
  Check([](TLocaleEditor& d) {
    ASSERT_TRUE(d.WorkTranslations->Strings(0).starts_with("00000407_CURRENCYDECIMALS="));
    d.EdtTranslation->SelectAll();
  });
  User().Type("9").Press(VK_ESCAPE);
  Check([](TLocaleEditor& d) { EXPECT_EQ(d.EdtTranslation->Text(), "2"); });
  User().Pick("LocaleNotebook", kLocales).Pick("LangListInApp", "English, United States").Click("BtnSetStartup");
  Check([](TLocaleEditor& d) { EXPECT_TRUE(d.Modified); });
  User().Click("BtnOK");
  EXPECT_EQ(Run(0x409, 0x407), mrOk);
  EXPECT_EQ(startupBack, 0x409);
}

TEST_F(LocaleEditorTest, OkRefillsTheAdoptedControl) {
  auto* list = new TListBox(form);
  list->SetParent(form);
  lexivar->SetAdoptOn(list);
  ASSERT_EQ(list->Items()->Count(), 2);
  User().Pick("LocaleNotebook", kLocales).Pick("LangList", "French, France").Click("BtnCopyLang").Click("BtnOK");
  EXPECT_TRUE(lexivar->ShowEditor());
  EXPECT_EQ(list->Items()->Count(), 3);
}

// Two locales of one display name: every refill keeps the choices by LCID.
TEST_F(LocaleEditorTest, ChoicesSurviveARefillByLcidNotByName) {
  lexivar->AddOrgProps(0xC0A, *lexivar->Translations());
  for (const std::string& line : Lines(*lexivar->Translations()))
    if (line.starts_with("00000C0A")) lexivar->Translations()->SortInsert("0000040A" + line.substr(8), nullptr);
  const auto choose = [](TListBox& list, std::int32_t lcid) {
    list.SetItemIndex(list.Items()->IndexOfObject(ObjectFromInt(lcid)));
  };
  Check([&](TLocaleEditor& d) {
    const int second = d.CbxLang->Items()->IndexOfObject(ObjectFromInt(0xC0A));
    ASSERT_EQ(d.CbxLang->Items()->Strings(second), d.CbxLang->Items()->Strings(second - 1));
    d.CbxLang->SetItemIndex(second);
    choose(*d.LangListInApp, 0xC0A);
  });
  User().Pick("LocaleNotebook", kLocales).Click("BtnUserLang").AnswerInput("1036");
  Check([](TLocaleEditor& d) {
    ASSERT_TRUE(Holds(*d.LangListInApp->Items(), 0x40C));
    EXPECT_EQ(Lcid(*d.CbxLang->Items(), d.CbxLang->ItemIndex()), 0xC0A);
    EXPECT_EQ(Lcid(*d.LangListInApp->Items(), d.LangListInApp->ItemIndex()), 0xC0A);
    EXPECT_EQ(d.LangListInApp->Items()->Count(), 5);  // refilled, not added to
  });
  Discard();
  Run();
}

TEST_F(LocaleEditorTest, AChosenFirstEntryStaysChosenAfterARefill) {
  Check([](TLocaleEditor& d) { d.LangListInApp->SetItemIndex(0); });
  User().Pick("LocaleNotebook", kLocales).Click("BtnUserLang").AnswerInput("1036");
  Check([](TLocaleEditor& d) {
    ASSERT_TRUE(Holds(*d.LangListInApp->Items(), 0x40C));
    EXPECT_EQ(d.LangListInApp->ItemIndex(), 0);
  });
  Discard();
  Run();
}

TEST_F(LocaleEditorTest, PoolFileFieldReloadsOnExitAndAClearedFieldKeepsThePool) {
  const std::string pool = FileWith("pool.txt", {0x411});
  User().Pick("LocaleNotebook", kOptions).Focus("EdtLocaleList").Type(pool).Focus("BtnSelLocale");
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Entries(*d.LangList->Items()), (std::vector<std::string>{"Japanese, Japan"}));
  });
  User().Focus("EdtLocaleList");
  Check([](TLocaleEditor& d) { d.EdtLocaleList->SetText(""); });
  User().Focus("BtnSelLocale");
  Check([](TLocaleEditor& d) { EXPECT_EQ(d.LangList->Items()->Count(), 1); });
  User().Click("BtnSelLocale").ChooseFile(FileWith("other.txt", {0x419}));
  Check([](TLocaleEditor& d) {  // taken at once
    EXPECT_EQ(Entries(*d.LangList->Items()), (std::vector<std::string>{"Russian, Russia"}));
  }).Click("BtnCancel");
  EXPECT_EQ(Run(), mrCancel);
  EXPECT_EQ(User().Shown().back().Caption, "Get system Locale properties from file");
  EXPECT_EQ(Setting("LoadLocales"), files.File("other.txt"));
  // The next dialog takes its pool from that file.
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Entries(*d.LangList->Items()), (std::vector<std::string>{"Russian, Russia"}));
  }).Click("BtnCancel");
  Run();
}

TEST_F(LocaleEditorTest, SavedLocalesLoadIntoAnotherDialogOfTheSameOwner) {
  const std::string file = files.File("saved");
  User().Pick("LocaleNotebook", kLocales).Pick("LangList", "French, France").Click("BtnCopyLang");
  User().Pick("LocaleNotebook", kDictionary).Click("BtnSave").ChooseFile(file);
  Discard();
  Run();
  EXPECT_EQ(User().Shown()[0].Caption, "Save current locale properties to an external textfile.");
  lexivar = NewLexivar(form, "Lexivar2");  // the user's default locale alone
  User().Pick("LocaleNotebook", kDictionary).Click("BtnLoad").CancelFile();
  Check([](TLocaleEditor& d) { EXPECT_FALSE(d.Modified); });
  User().Click("BtnLoad").ChooseFile(file + ".txt");
  Check([](TLocaleEditor& d) {
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(Entries(*d.CbxLang->Items()),
              (std::vector<std::string>{"English, United States", "French, France", "German, Germany"}));
  });
  User().Click("BtnOK");
  EXPECT_EQ(Run(), mrOk);
  EXPECT_EQ(CountPrefix(*lexivar->Translations(), "0000040C_"), 58);
}

TEST_F(LocaleEditorTest, ALoadedFileMergesIntoTheWorkingCopy) {
  const std::string file = FileWith("french.txt", {0x40C});
  User().Pick("LocaleNotebook", kDictionary).Click("BtnLoad").ChooseFile(file);
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(Entries(*d.CbxLang->Items()),
              (std::vector<std::string>{"English, United States", "French, France", "German, Germany"}));
  });
  Discard();
  Run();
  EXPECT_EQ(User().Shown().at(0).Caption, "Load locale properties from an external textfile.");
}

TEST_F(LocaleEditorTest, TheOptionSettingSurvivesIntoTheNextDialog) {
  User().Pick("LocaleNotebook", kOptions).Click("CkxMove").Click("BtnCancel");
  Run();
  EXPECT_EQ(Setting("MoveNextUntranslated"), "0");
  Check([](TLocaleEditor& d) { EXPECT_FALSE(d.CkxMove->Checked()); }).Click("BtnCancel");
  Run();
}

// Values are shown exactly as stored: a "#" without a digit does not stop the
// property from showing, and a value that looks like a quoted literal is not
// rewritten by Escape or by leaving the field.
TEST_F(LocaleEditorTest, ValuesAreShownAndKeptExactlyAsStored) {
  Lxv::TSortList& table = *lexivar->Translations();
  table.SetStrings(table.IndexOf("00000409_CURRENCYSTRING=" + Value(table, "00000409_CURRENCYSTRING")),
                   "00000409_CURRENCYSTRING=#x");
  table.SetStrings(table.IndexOf("00000409_TIMEAMSTRING=" + Value(table, "00000409_TIMEAMSTRING")),
                   "00000409_TIMEAMSTRING='am'");
  User().Pick("PropList", "CURRENCYSTRING");
  Check([](TLocaleEditor& d) { EXPECT_EQ(d.EdtTranslation->Text(), "#x"); });
  User().Pick("PropList", "TIMEAMSTRING").Focus("EdtTranslation").Press(VK_ESCAPE).Focus("CbxLang");
  Check([](TLocaleEditor& d) {
    EXPECT_EQ(d.EdtTranslation->Text(), "'am'");
    EXPECT_EQ(Value(*d.WorkTranslations, "00000409_TIMEAMSTRING"), "'am'");
    EXPECT_FALSE(d.Modified);
  });
  User().Click("BtnOK");
  EXPECT_EQ(Run(), mrCancel);
  EXPECT_EQ(Value(table, "00000409_TIMEAMSTRING"), "'am'");
}

TEST_F(LocaleEditorTest, LongValuesAndNamesAreShownCutAt4095Bytes) {
  Lxv::TSortList& table = *lexivar->Translations();
  const auto set = [&table](const std::string& key, const std::string& value) {
    table.SetStrings(table.IndexOf(key + "=" + Value(table, key)), key + "=" + value);
  };
  set("00000407_ENGLISHNAME", std::string(5000, 'g'));
  set("00000407_SHORTDATEFORMAT", std::string(5000, 'd'));
  User().Pick("CbxLang", 1).Pick("PropList", "SHORTDATEFORMAT");
  Check([](TLocaleEditor& d) {  // sizes: a failure would print kilobytes
    EXPECT_EQ(d.CbxLang->Items()->Strings(1).size(), 4095u + std::string_view(", Germany").size());
    EXPECT_TRUE(d.CbxLang->Items()->Strings(1).ends_with("g, Germany"));
    EXPECT_EQ(d.EdtTranslation->Text().size(), 4095u);
  });
  User().Click("BtnCancel");
  Run();
}

TEST_F(LocaleEditorTest, ShowEditorKeepsPeersOffWhileOpenAndTurnsTheChoicesIntoDesignators) {
  form->SetDesigning(true);
  TLexivar* peer = NewLexivar(form, "Lexivar2");
  lexivar->SetLocale(7);
  peer->SetLocale(7);
  lexivar->SetStartupLocale(Lxv::UserDefaultDesignator());
  const std::string design = lexivar->DesignLocale();
  // OK without a change: false, nothing changes, Translate back on for both.
  Check([&](TLocaleEditor& d) {
    EXPECT_FALSE(lexivar->Translate());
    EXPECT_FALSE(peer->Translate());
    EXPECT_EQ(d.DesignLocaleId, static_cast<std::int32_t>(Lxv::DesignatorLCID(design)));
    EXPECT_EQ(d.StartupLocaleId, 0x400);
  }).Click("BtnOK");
  EXPECT_FALSE(lexivar->ShowEditor());
  EXPECT_TRUE(lexivar->Translate());
  EXPECT_TRUE(peer->Translate());
  EXPECT_EQ(lexivar->DesignLocale(), design);

  // A new locale made the design-time and the startup locale.
  lexivar->SetTranslate(false);
  User().Pick("LocaleNotebook", kLocales).Pick("LangList", "Japanese, Japan").Click("BtnCopyLang").Pick("LangListInApp", "Japanese, Japan");
  User().Click("BtnSetDefault").Click("BtnSetStartup").Click("BtnOK");
  EXPECT_TRUE(lexivar->ShowEditor());
  EXPECT_FALSE(lexivar->Translate());
  EXPECT_FALSE(peer->Translate());
  const int entry = lexivar->LocaleList()->IndexOfObject(ObjectFromInt(0x411));
  ASSERT_GE(entry, 0);
  const std::string japanese = Lxv::MakeLocaleDesignator(lexivar->LocaleList()->Strings(entry), 0x411);
  EXPECT_EQ(lexivar->DesignLocale(), japanese);
  EXPECT_EQ(lexivar->StartupLocale(), japanese);

  // The first entry of the locale list is taken like any other.
  User().Pick("LocaleNotebook", kLocales).Pick("LangListInApp", "English, United States");
  User().Click("BtnSetDefault").Click("BtnSetStartup").Click("BtnOK");
  EXPECT_TRUE(lexivar->ShowEditor());
  EXPECT_EQ(lexivar->LocaleList()->Strings(0), "English, United States");
  EXPECT_EQ(lexivar->DesignLocale(), "English, United States 00000409");
  EXPECT_EQ(lexivar->StartupLocale(), "English, United States 00000409");

  // An error while the dialog opens reaches the caller after the dialog was
  // freed and Translate put back: a pool "file" that is a directory.
  lexivar->SetTranslate(true);
  SetSetting("LoadLocales", files.Path().string());
  const int forms = Application().ComponentCount();
  EXPECT_THROW(lexivar->ShowEditor(), Exception);
  EXPECT_EQ(Application().ComponentCount(), forms);
  EXPECT_TRUE(lexivar->Translate());
}

}  // namespace
}  // namespace lxvtest
