// Unit Lxv at design time: what Register puts in place, the property editors'
// attributes, texts and value lists, and the component editor's verbs.
#include <dlfcn.h>

#include <memory>
#include <string>
#include <vector>

#include "Lxv/LocaleDesignator.h"
#include "Lxv/LxvReg.h"
#include "lxv/lexivar_env.h"
#include "platform/base/scope_exit.h"
#include "platform/design/designer.h"
#include "platform/design/package_entry.h"
#include "platform/design/palette.h"
#include "platform/forms/application.h"
#include "platform/forms/headless.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/std_controls.h"
#include "platform/rtti/published.h"
#include "platform/settings/reg_ini_file.h"
#include "support/temp_dir.h"

namespace lxvtest {
namespace {

using namespace platform;
using Lxv::TLexivar;

class LexivarDesign : public LexivarTest {
 protected:
  static void SetUpTestSuite() {
    static const bool registered = (Lxv::Register(), true);
    (void)registered;
  }

  LexivarDesign() : form(NewForm("Form1")), designer(form) {
    form->SetDesigning(true);
    lexivar = NewLexivar(form);
  }

  TOwned<TPropertyEditor> Editor(const char* prop) {
    return CreatePropertyEditor(&designer, {lexivar}, *GetPropInfo(lexivar, prop));
  }
  std::vector<std::string> Values(const char* prop) {
    std::vector<std::string> values;
    Editor(prop)->GetValues([&](const std::string& v) { values.push_back(v); });
    return values;
  }

  THeadlessSession headless;
  TForm* form;
  TDesigner designer;
  TLexivar* lexivar;
};

TEST_F(LexivarDesign, RegisterPutsTheComponentOnItsPageWithItsEditors) {
  const TPalettePage* page = FindPalettePage("TLexivar");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Name, "Korvane");
  EXPECT_EQ(page->Classes, std::vector<TClass>{TLexivar::StaticClass()});
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"Translations", "TLocaleTranslationsProperty"}, {"About", "TLocAboutProperty"},
      {"DesignLocale", "TDesignLocaleProperty"},       {"FileName", "TLocFileNameProperty"},
      {"ListFormat", "TLocListFormatProperty"},         {"StartupLocale", "TStartupLocaleProperty"},
      {"AdoptOn", "TLocAdoptOnProperty"},               {"Locale", "TIntegerProperty"},
      {"Translate", "TBoolProperty"},                   {"OnTranslate", "TMethodProperty"}};
  for (const auto& [prop, editor] : expected)
    EXPECT_EQ(GetPropertyEditorClass(*lexivar, *GetPropInfo(lexivar, prop))->Name, editor) << prop;
  EXPECT_EQ(CreateComponentEditor(lexivar, &designer)->ClassName(), "TLexivarEditor");
}

TEST_F(LexivarDesign, AttributesAndTexts) {
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"About", "[paDialog,paReadOnly]"},      {"Translations", "[paDialog,paReadOnly]"},
      {"FileName", "[paDialog]"},              {"DesignLocale", "[paValueList,paSortList]"},
      {"StartupLocale", "[paValueList,paSortList]"}, {"ListFormat", "[paValueList]"},
      {"AdoptOn", "[paValueList,paMultiSelect,paSortList,paRevertable]"}};
  for (const auto& [prop, attributes] : expected)
    EXPECT_EQ(AttributesToString(Editor(prop)->GetAttributes()), attributes) << prop;
  EXPECT_EQ(Editor("About")->GetValue(), "(About...)");
  EXPECT_EQ(Editor("Translations")->GetValue(), "[Locale Editor]");
  EXPECT_EQ(Editor("FileName")->GetValue(), "");
}

TEST_F(LexivarDesign, ListFormatOffersTheSixPatternsInOrder) {
  EXPECT_EQ(Values("ListFormat"), (std::vector<std::string>{"%0:s", "%2:s", "%0:s, %1:s", "%2:s, %3:s",
                                                            "%2:s (%0:s), %3:s (%1:s)",
                                                            "%0:s (%2:s), %1:s (%3:s)"}));
}

TEST_F(LexivarDesign, LocaleDropDownsRebuildTheLocaleListFirst) {
  // A locale taken into the table without rebuilding the list shows up.
  lexivar->AddOrgProps(0x407, *lexivar->Translations());
  const std::vector<std::string> design = Values("DesignLocale");
  ASSERT_EQ(design.size(), 2u);
  EXPECT_EQ(lexivar->LocaleList()->Count(), 2);
  for (const std::string& designator : design) {
    EXPECT_TRUE(Lxv::IsValidLocaleDesignator(designator)) << designator;
    const int index = lexivar->LocaleList()->IndexOfObject(ObjectFromInt(static_cast<int>(Lxv::DesignatorLCID(designator))));
    ASSERT_GE(index, 0) << designator;
    EXPECT_EQ(designator, Lxv::MakeLocaleDesignator(lexivar->LocaleList()->Strings(index), Lxv::DesignatorLCID(designator)));
  }
  std::vector<std::string> startup = {"User default 00000400", "System default 00000800"};
  startup.insert(startup.end(), design.begin(), design.end());
  EXPECT_EQ(Values("StartupLocale"), startup);
}

TEST_F(LexivarDesign, AnInvalidDesignatorTypedIsShownUnchanged) {
  auto editor = Editor("DesignLocale");
  const std::string before = editor->GetValue();
  editor->SetValue("Deutsch");  // no LCID at its end
  EXPECT_EQ(editor->GetValue(), before);
  auto startup = Editor("StartupLocale");
  startup->SetValue("System default 00000800");
  EXPECT_EQ(lexivar->StartupLocale(), "System default 00000800");
}

TEST_F(LexivarDesign, VerbsOfTheComponentEditor) {
  auto editor = CreateComponentEditor(lexivar, &designer);
  ASSERT_EQ(editor->GetVerbCount(), 3);
  EXPECT_EQ(editor->GetVerb(0), "Locale Translation Editor");
  EXPECT_EQ(editor->GetVerb(1), "About Lexivar");
  EXPECT_EQ(editor->GetVerb(2), "Help Contents");
  // The help viewer is not found here; that is not reported.
  editor->ExecuteVerb(2);
  editor->ExecuteVerb(3);
  EXPECT_FALSE(designer.IsModified());
  // Verb 0 (a double click) and the Translations ellipsis open the editor
  // dialog; only OK after a change marks the form modified.
  testing_support::TempDir settings;
  SetSettingsDirectory(settings.Path().string());
  TScopeExit restore([] { SetSettingsDirectory(""); });
  headless.User().Click("BtnOK");
  editor->Edit();
  EXPECT_FALSE(designer.IsModified());
  headless.User().Pick("LocaleNotebook", 1).Pick("LangList", 0).Click("BtnCopyLang").Click("BtnOK");
  Editor("Translations")->Edit();
  EXPECT_EQ(headless.User().Pending(), 0u);
  EXPECT_TRUE(designer.IsModified());
}

TEST_F(LexivarDesign, AdoptOnOffersTheNamedSelectorsOfTheDesignedForm) {
  const auto named = [](TComponent* c, const char* name) { c->SetName(name); };
  named(new TListBox(form), "ListBox1");
  form->RemoveComponent(lexivar);  // the list box is the form's first component now
  form->InsertComponent(lexivar);
  named(new TButton(form), "Button1");
  new TListBox(form);  // unnamed
  named(new TMemo(form), "Memo1");
  named(new TMainMenu(form), "MainMenu1");
  named(new TRadioGroup(form), "RadioGroup1");
  named(new TListBox(NewForm("Form2")), "ListBox2");
  EXPECT_EQ(Values("AdoptOn"), (std::vector<std::string>{"ListBox1", "MainMenu1", "RadioGroup1"}));
  Editor("AdoptOn")->SetValue("ListBox1");
  EXPECT_EQ(lexivar->AdoptOn(), form->FindComponent("ListBox1"));
  EXPECT_TRUE(designer.IsModified());
}

TEST_F(LexivarDesign, FileNameDialogStoresTheFullPathAndMarksTheFormModified) {
  const int before = Application().ComponentCount();
  lexivar->SetFileName("old.txt");
  headless.User().CancelFile();
  Editor("FileName")->Edit();
  EXPECT_EQ(lexivar->FileName(), "old.txt");
  EXPECT_FALSE(designer.IsModified());

  headless.User().ChooseFile("/projects/demo/locales");  // the dialog adds ".txt"
  Editor("FileName")->Edit();
  EXPECT_EQ(lexivar->FileName(), "/projects/demo/locales.txt");
  EXPECT_TRUE(designer.IsModified());
  const auto& shown = headless.User().Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Kind, "Open");
  EXPECT_EQ(shown[0].Caption, "Select a Locale translations file");
  EXPECT_EQ(shown[0].Text, "Locale translations (*.txt)|*.txt");
  EXPECT_EQ(shown[0].Answer, "");
  EXPECT_EQ(Application().ComponentCount(), before);  // the dialogs are freed
}

TEST_F(LexivarDesign, AboutVerbAndAboutPropertyShowTheAboutBox) {
  auto editor = CreateComponentEditor(lexivar, &designer);
  headless.User().Wait(1500).Click("Button");
  editor->ExecuteVerb(1);
  headless.User().Wait(1500).Click("Button");
  Editor("About")->Edit();
  EXPECT_EQ(headless.User().Pending(), 0u);
  EXPECT_FALSE(designer.IsModified());
}

TEST(PackageEntry, FoundByNameAfterLoading) {
  const std::string path = std::string(LXV_LIB_DIR) + "/lib" + LXV_PACKAGE_UNDER_TEST + ".so";
  std::unique_ptr<void, int (*)(void*)> lib(dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), dlclose);
  ASSERT_NE(lib, nullptr) << dlerror();
  using TEntry = const TDesignPackageEntry* (*)();
  auto entry = reinterpret_cast<TEntry>(dlsym(lib.get(), kDesignPackageEntrySymbol));
  ASSERT_NE(entry, nullptr);
  EXPECT_STREQ(entry()->Name, LXV_PACKAGE_UNDER_TEST);
  EXPECT_EQ(entry()->HostGeneration, LXV_HOST_GENERATION);
  EXPECT_EQ(entry()->Register, &Lxv::Register);
  // The palette bitmap is linked in: 24 x 24 with 256 colours.
  const auto bitmap = FindBitmapResource("TLexivar");
  ASSERT_TRUE(bitmap.has_value());
  const TBitmapInfo info = ReadBitmapInfo(*bitmap);
  EXPECT_EQ(info.Width, 24);
  EXPECT_EQ(info.Height, 24);
  EXPECT_EQ(info.Colors, 256);
}

}  // namespace
}  // namespace lxvtest
