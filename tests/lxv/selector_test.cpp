// The language selector: every kind of control filled, marked and hooked,
// picks made by the scripted user, and a form adopting a menu read back.
#include <gtest/gtest.h>

#include <functional>

#include "lxv/lexivar_env.h"
#include "platform/base/exceptions.h"
#include "platform/format/format_settings.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/std_controls.h"

using Lxv::TLexivar;
using lxvtest::Lines;
using namespace platform;

namespace {

const std::vector<std::string> kNames{"English, United States", "French, France", "German, Germany"};
const std::vector<std::string> kNativeNames{"Deutsch", "English", "français"};

std::vector<std::string> Captions(const TMenuItem& parent) {
  std::vector<std::string> captions;
  for (int i = 0; i < parent.Count(); ++i) captions.push_back(parent.Items(i)->Caption());
  return captions;
}

std::vector<std::string> Checked(const TMenuItem& parent) {
  std::vector<std::string> checked;
  for (int i = 0; i < parent.Count(); ++i)
    if (parent.Items(i)->Checked()) checked.push_back(parent.Items(i)->Caption());
  return checked;
}

// A form with a TLexivar whose table holds 0409 (current), 040C and 0407.
class Selector : public lxvtest::LexivarTest {
 protected:
  Selector() : form(NewForm("Form1")), lexivar(NewLexivar(form)) {
    lexivar->AddOrgProps(0x40C, *lexivar->Translations());
    lexivar->AddOrgProps(0x407, *lexivar->Translations());
    lexivar->OnLanguageSelected = [this](TObject* sender) { selected.push_back(sender); };
  }
  // Shows the form modally while the scripted user takes the steps queued.
  void RunUser() {
    session.User().Close();
    form->ShowModal();
  }
  TMenuItem* NewItem(TMenuItem* parent, const std::string& caption, const std::string& name = "") {
    auto* item = new TMenuItem(form);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  TForm* form;
  TLexivar* lexivar;
  std::vector<TObject*> selected;  // senders of OnLanguageSelected
};

// The four kinds that keep their entries in a string list.
struct TListKind {
  std::string name;
  std::function<TWinControl*(TForm*)> create;
  std::function<TStrings*(TWinControl*)> entries;
  std::function<int(TWinControl*)> index;
  std::function<void(TWinControl*, int)> setIndex;
};

template <class C>
TListKind ItemsKind(std::string name) {
  return {name, [](TForm* f) -> TWinControl* { return new C(f); },
          [](TWinControl* c) { return static_cast<C*>(c)->Items(); },
          [](TWinControl* c) { return static_cast<C*>(c)->ItemIndex(); },
          [](TWinControl* c, int i) { static_cast<C*>(c)->SetItemIndex(i); }};
}

std::vector<TListKind> ListKinds() {
  return {{"TabSet", [](TForm* f) -> TWinControl* { return new TTabSet(f); },
           [](TWinControl* c) { return static_cast<TTabSet*>(c)->Tabs(); },
           [](TWinControl* c) { return static_cast<TTabSet*>(c)->TabIndex(); },
           [](TWinControl* c, int i) { static_cast<TTabSet*>(c)->SetTabIndex(i); }},
          ItemsKind<TListBox>("ListBox"), ItemsKind<TComboBox>("ComboBox"), ItemsKind<TRadioGroup>("RadioGroup")};
}

class SelectorList : public Selector, public ::testing::WithParamInterface<TListKind> {};

}  // namespace

TEST_P(SelectorList, FillsMarksAndAppliesThePersonsPick) {
  const TListKind& kind = GetParam();
  TWinControl* control = kind.create(form);
  control->SetName("LangSelector");
  control->SetParent(form);
  int applicationClicks = 0;
  control->OnClick = [&applicationClicks](TObject*) { ++applicationClicks; };
  lexivar->SetAdoptOn(control);
  TStrings* entries = kind.entries(control);
  EXPECT_EQ(Lines(*entries), kNames);
  EXPECT_EQ(IntFromObject(entries->Objects(2)), 0x407);
  EXPECT_EQ(kind.index(control), 0);

  session.User()
      .Pick("LangSelector", "German, Germany")
      .Do("click the current entry again", [control](TForm&) { control->OnClick(control); });
  RunUser();
  EXPECT_EQ(applicationClicks, 0);  // the selector's handler replaced it
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
  EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  EXPECT_EQ(kind.index(control), 2);
  EXPECT_EQ(selected, std::vector<TObject*>{lexivar});

  // A click that leaves no entry current does nothing.
  kind.setIndex(control, -1);
  control->OnClick(control);
  EXPECT_EQ(selected.size(), 1u);

  // A new pattern refills the control in place, marking the current locale.
  lexivar->SetListFormat("%2:s");
  EXPECT_EQ(Lines(*entries), kNativeNames);
  EXPECT_EQ(kind.index(control), 0);

  // The first entry is picked like any other.
  session.User().Pick("LangSelector", "English").Pick("LangSelector", "Deutsch");
  RunUser();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
}

TEST_F(Selector, ANewDesignLocaleIsMarkedAtDesignTimeOnly) {
  auto* list = new TListBox(form);
  list->SetParent(form);
  lexivar->SetAdoptOn(list);
  lexivar->SetDesignLocale("French, France 0000040C");
  EXPECT_EQ(list->ItemIndex(), 0);
  lexivar->SetDesigning(true);
  lexivar->SetDesignLocale("German, Germany 00000407");
  EXPECT_EQ(list->ItemIndex(), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SelectorList, ::testing::ValuesIn(ListKinds()),
                         [](const auto& info) { return info.param.name; });

TEST_F(Selector, MenuKindsGetOneCheckedRadioItemPerLocale) {
  auto* menu = new TMainMenu(form);
  form->SetMenu(menu);
  TMenuItem* language = NewItem(menu->Items(), "Language", "MnuLanguage");
  TMenuItem* placed = NewItem(language, "placed 1");
  NewItem(language, "placed 2");
  NewItem(language, "placed 3");
  lexivar->SetAdoptOn(language);
  EXPECT_EQ(Captions(*language), kNames);
  EXPECT_EQ(Checked(*language), std::vector<std::string>{"English, United States"});
  for (int i = 0; i < language->Count(); ++i) {
    EXPECT_TRUE(language->Items(i)->RadioItem());
    EXPECT_EQ(language->Items(i)->Owner(), lexivar);
  }
  EXPECT_EQ(placed->Parent(), nullptr);  // taken out, not destroyed
  EXPECT_EQ(placed->Owner(), form);

  session.User().Pick("MnuLanguage", "French, France").Pick("MnuLanguage", "French, France");
  RunUser();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x40Cu);
  EXPECT_EQ(Checked(*language), std::vector<std::string>{"French, France"});
  EXPECT_EQ(selected, std::vector<TObject*>{lexivar});

  // Another menu: the items left behind keep their captions but no longer call the component.
  auto* popup = new TPopupMenu(form);
  lexivar->SetAdoptOn(popup);
  EXPECT_EQ(Captions(*popup->Items()), kNames);
  EXPECT_EQ(Checked(*popup->Items()), std::vector<std::string>{"French, France"});
  language->Items(2)->Click();
  EXPECT_EQ(lexivar->CurrentLocale(), 0x40Cu);

  // Refilled after a new pattern: one item per locale, no duplicates.
  lexivar->SetListFormat("%2:s");
  EXPECT_EQ(Captions(*popup->Items()), kNativeNames);
  EXPECT_EQ(Checked(*popup->Items()), std::vector<std::string>{"français"});

  // A main menu's entries form its bar; the developer's item leaves it.
  lexivar->SetAdoptOn(menu);
  EXPECT_EQ(Captions(*menu->Items()), kNativeNames);
  EXPECT_EQ(language->Parent(), nullptr);
}

TEST_F(Selector, ARefillFreesTheItemsItMade) {
  auto* popup = new TPopupMenu(form);
  lexivar->SetAdoptOn(popup);
  for (int i = 0; i < 1000; ++i) lexivar->UpdateAdoptOn();
  EXPECT_EQ(Captions(*popup->Items()), kNames);
  EXPECT_EQ(lexivar->ComponentCount(), 3);
}

TEST_F(Selector, AnIllegalClassIsRefusedWithAMessage) {
  auto* list = new TListBox(form);
  lexivar->SetAdoptOn(list);
  lexivar->SetAdoptOn(new TButton(form));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Error setting AdoptOn property, an illigal component"});
  EXPECT_EQ(lexivar->AdoptOn(), list);
  EXPECT_TRUE(static_cast<bool>(list->OnClick));

  // The control already adopted is neither refilled nor hooked again.
  list->OnClick.Clear();
  list->Items()->Add("extra");
  lexivar->SetAdoptOn(list);
  EXPECT_FALSE(static_cast<bool>(list->OnClick));
  EXPECT_EQ(list->Items()->Count(), 4);
}

TEST_F(Selector, ALeftControlKeepsItsEntriesButNotTheHandler) {
  auto* list = new TListBox(form);
  auto* combo = new TComboBox(form);
  lexivar->SetAdoptOn(list);
  lexivar->SetAdoptOn(combo);
  EXPECT_FALSE(static_cast<bool>(list->OnClick));
  EXPECT_EQ(Lines(*list->Items()), kNames);
  lexivar->SetAdoptOn(nullptr);
  EXPECT_FALSE(static_cast<bool>(combo->OnClick));

  auto* other = NewLexivar(form, "Lexivar2");
  other->SetAdoptOn(combo);
  other->Free();
  EXPECT_FALSE(static_cast<bool>(combo->OnClick));
  EXPECT_EQ(Lines(*combo->Items()), std::vector<std::string>{"English, United States"});
}

TEST_F(Selector, TheRadioGroupIgnoresClicksWhileOneIsHandled) {
  auto* group = new TRadioGroup(form);
  group->SetName("RgpLanguage");
  group->SetParent(form);
  lexivar->SetAdoptOn(group);
  auto* list = new TListBox(form);
  list->SetParent(form);
  TLexivar* other = NewLexivar(form, "Lexivar2");
  other->SetAdoptOn(list);
  int translated = 0;
  lexivar->OnTranslated = [&](TObject*) {
    ++translated;
    EXPECT_TRUE(Lxv::RadioGroupBusy);
    group->SetItemIndex(1);          // the group reports a click: ignored
    lexivar->SetListFormat("%2:s");  // the group is neither refilled nor hooked meanwhile
    other->SetListFormat("%2:s");    // a list box is, all the same
  };
  session.User().Pick("RgpLanguage", "German, Germany");
  RunUser();
  EXPECT_EQ(translated, 1);
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
  EXPECT_FALSE(Lxv::RadioGroupBusy);
  EXPECT_EQ(Lines(*group->Items()), kNames);
  EXPECT_EQ(Lines(*lexivar->LocaleList()), kNativeNames);
  EXPECT_EQ(group->ItemIndex(), 2);  // marked whatever the flag
  EXPECT_EQ(Lines(*list->Items()), std::vector<std::string>{"English"});

  // An apply that fails still clears the flag.
  lexivar->OnTranslated.Clear();
  lexivar->OnTranslate = [](TObject*, bool&) { throw Exception("refused"); };
  EXPECT_THROW(group->SetItemIndex(1), Exception);
  EXPECT_FALSE(Lxv::RadioGroupBusy);
  EXPECT_EQ(lexivar->CurrentLocale(), 0x407u);
}

TEST_F(Selector, AFormAdoptingAMenuReadsBackWithTableListAndMarks) {
  auto* menu = new TMainMenu(form);
  menu->SetName("MainMenu1");
  form->SetMenu(menu);
  NewItem(menu->Items(), "Language", "MnuLanguage");
  lexivar->SetStartupLocale("German, Germany 00000407");
  lexivar->SetAdoptOn(form->FindComponent("MnuLanguage"));
  lexivar->TranslateLocale(0x407);
  const std::string binary = lxvtest::WriteForm(*form);
  const std::string text = lxvtest::FormText(*form);
  EXPECT_NE(text.find("AdoptOn = MnuLanguage"), std::string::npos);
  EXPECT_EQ(text.find(": TMenuItem"), text.rfind(": TMenuItem"));  // the created items are not stored
  form->SetName("Written");

  int round = 0;
  for (const std::string* content : {&binary, &text}) {
    SCOPED_TRACE(content == &binary ? "binary" : "text");
    TForm* read = ReadForm(*content);
    auto* copy = DynCast<TLexivar>(read->FindComponent("Lexivar1"));
    auto* language = DynCast<TMenuItem>(read->FindComponent("MnuLanguage"));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(copy->AdoptOn(), language);
    EXPECT_EQ(Lines(*copy->Translations()), Lines(*lexivar->Translations()));
    EXPECT_EQ(Lines(*copy->LocaleList()), kNames);
    EXPECT_EQ(Captions(*language), kNames);
    EXPECT_EQ(Checked(*language), std::vector<std::string>{"German, Germany"});
    read->SetName("Read" + std::to_string(++round));
  }
}
