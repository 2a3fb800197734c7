// Controls as a person uses them: focus and exit order, default and cancel
// buttons, what fires OnClick and OnChange, sorted lists with objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/forms/input.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"

using namespace platform;

namespace {

template <class T>
T* Make(TForm& form, const std::string& name, TWinControl* parent = nullptr) {
  auto* c = new T(&form);
  c->SetName(name);
  c->SetParent(parent != nullptr ? parent : &form);
  return c;
}

struct FormFixture : testing::Test {
  THeadlessSession session;
  TOwned<TForm> form{new TForm(nullptr)};
  std::vector<std::string> log;
  TNotifyEvent Logger(std::string what) {
    return [this, what](TObject*) { log.push_back(what); };
  }
};

}  // namespace

TEST_F(FormFixture, FocusMovesBeforeAClickActsAndARefusedExitStopsIt) {
  auto* edit = Make<TEdit>(*form, "Edit1");
  auto* button = Make<TButton>(*form, "Button1");
  auto* label = Make<TLabel>(*form, "Label1");
  edit->OnExit = [&](TObject*) { log.push_back("exit " + edit->Text()); };
  button->OnEnter = Logger("enter button");
  button->OnClick = Logger("click");
  label->OnClick = Logger("label");
  edit->SetFocus();
  UserType(*form, "ab");
  UserClick(*button);
  UserClick(*label);  // a label takes no focus
  EXPECT_EQ(log, (std::vector<std::string>{"exit ab", "enter button", "click", "label"}));
  EXPECT_TRUE(button->Focused());

  edit->SetFocus();
  log.clear();
  edit->OnExit = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
  EXPECT_THROW(UserClick(*button), EConvertError);
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(log.empty());

  button->SetEnabled(false);
  edit->OnExit.Clear();
  UserClick(*button);  // a disabled control ignores the click and keeps no focus
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(log.empty());
}

// The focused control's exit handler runs before it loses the focus to being
// hidden, disabled, freed or on a page switched away; the focus moves on.
TEST_F(FormFixture, AFocusedControlOnAPageSwitchedAwayRunsItsExitFirst) {
  auto* notebook = Make<TTabbedNotebook>(*form, "Notebook");
  TTabPage* first = notebook->AddPage("One");
  TTabPage* second = notebook->AddPage("Two");
  auto* edit = Make<TEdit>(*form, "Edit1", first);
  auto* other = Make<TEdit>(*form, "Edit2", second);
  auto* button = Make<TButton>(*form, "Button1");
  edit->OnExit = Logger("exit edit");
  other->OnEnter = Logger("enter other");
  button->OnEnter = Logger("enter button");
  notebook->OnEnter = Logger("enter notebook");

  edit->SetFocus();
  notebook->SetPageIndex(1);  // in code: the focus goes on to the new page
  EXPECT_EQ(log, (std::vector<std::string>{"exit edit", "enter other"}));
  EXPECT_TRUE(other->Focused());

  log.clear();
  notebook->SetPageIndex(0);
  edit->SetFocus();
  log.clear();
  UserPick(*notebook, 1);  // a click on a tab: the notebook takes the focus first
  EXPECT_EQ(log, (std::vector<std::string>{"exit edit", "enter notebook"}));
  EXPECT_TRUE(notebook->Focused());

}

TEST_F(FormFixture, AFocusedControlHiddenDisabledOrFreedRunsItsExitFirst) {
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    TOwned<TForm> owner(new TForm(nullptr));
    auto* field = Make<TEdit>(*owner, "Field");
    auto* button = Make<TButton>(*owner, "Button1");
    field->OnExit = Logger("exit field");
    button->OnEnter = Logger("enter button");
    field->SetFocus();
    log.clear();
    if (way == 0) field->SetVisible(false);
    if (way == 1) field->SetEnabled(false);
    if (way == 2) field->Free();
    EXPECT_EQ(log, (std::vector<std::string>{"exit field", "enter button"}));
    EXPECT_TRUE(button->Focused());
  }
  // A form on its way out runs no exit handler: it may have freed its state.
  TOwned<TForm> going(new TForm(nullptr));
  auto* field = Make<TEdit>(*going, "Field");
  field->OnExit = Logger("exit on the way out");
  field->SetFocus();
  log.clear();
  going.reset();
  EXPECT_TRUE(log.empty());
}

TEST_F(FormFixture, ReturnAndEscapePressTheDefaultAndCancelButtonsExceptInAMemo) {
  auto* edit = Make<TEdit>(*form, "Edit1");
  auto* memo = Make<TMemo>(*form, "Memo1");
  auto* ok = Make<TButton>(*form, "Ok");
  auto* cancel = Make<TButton>(*form, "Cancel");
  ok->SetDefault(true);
  cancel->SetCancel(true);
  ok->OnClick = Logger("ok");
  cancel->OnClick = Logger("cancel");
  memo->SetWantTabs(true);
  std::vector<std::uint16_t> memoKeys;
  memo->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) { memoKeys.push_back(key); };

  edit->SetFocus();
  UserKey(*form, VK_RETURN);
  UserKey(*form, VK_ESCAPE);
  EXPECT_EQ(log, (std::vector<std::string>{"ok", "cancel"}));

  log.clear();
  memo->SetFocus();
  UserType(*form, "a\tb\r\nc");
  UserKey(*form, VK_ESCAPE);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(memo->Text(), "a\tb\r\nc");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memoKeys, (std::vector<std::uint16_t>{'A', VK_TAB, 'B', VK_RETURN, 'C', VK_ESCAPE}));

  memo->SetWantReturns(false);
  UserKey(*form, VK_RETURN);  // now the form's: the default button
  EXPECT_EQ(log, (std::vector<std::string>{"ok"}));

  cancel->SetFocus();
  log.clear();
  UserKey(*form, VK_RETURN);  // the focused button, not the default one
  UserKey(*form, VK_TAB);
  EXPECT_EQ(log, (std::vector<std::string>{"cancel"}));
  EXPECT_TRUE(edit->Focused());  // tab order wraps round
}

TEST_F(FormFixture, AButtonGivesItsModalResultBeforeItsClickHandlerRuns) {
  auto* ok = Make<TButton>(*form, "Ok");
  ok->SetModalResult(mrOk);
  TModalResult seen = mrNone;
  ok->OnClick = [&](TObject*) { seen = form->ModalResult(); };
  session.User().Click("Ok");
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(seen, mrOk);
  EXPECT_FALSE(form->Visible());

  // A handler that takes the result back keeps the form open; the window
  // manager's close ends it with mrCancel.
  ok->OnClick = [&](TObject*) { form->SetModalResult(mrNone); };
  session.User().Click("Ok").Close();
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(session.User().Pending(), 0u);
}

TEST_F(FormFixture, TextFieldsReportEveryChangeTypedOrAssigned) {
  auto* edit = Make<TEdit>(*form, "Edit1");
  std::vector<std::string> seen;
  edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
  edit->SetText("x");
  edit->SetFocus();  // AutoSelect: typing replaces the text
  UserType(*form, "ab");
  UserKey(*form, VK_BACK);
  EXPECT_EQ(seen, (std::vector<std::string>{"x", "a", "ab", "a"}));
}

TEST_F(FormFixture, ARadioGroupClicksWhenItsIndexMovesToAnEntry) {
  auto* radio = Make<TRadioGroup>(*form, "Radio1");
  radio->Items()->Add("one");
  radio->Items()->Add("two");
  std::vector<int> clicks;
  radio->OnClick = [&](TObject*) { clicks.push_back(radio->ItemIndex()); };
  radio->SetItemIndex(1);
  radio->SetItemIndex(1);
  radio->SetItemIndex(-1);
  radio->SetItemIndex(0);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  EXPECT_THROW(radio->SetItemIndex(2), EListError);
  radio->Items()->Clear();
  EXPECT_EQ(radio->ItemIndex(), -1);
}

TEST_F(FormFixture, ACheckBoxClicksOnEveryChangeOfItsState) {
  auto* box = Make<TCheckBox>(*form, "Check1");
  std::vector<bool> clicks;
  box->OnClick = [&](TObject*) { clicks.push_back(box->Checked()); };
  box->SetChecked(true);
  box->SetChecked(true);
  UserClick(*box);
  box->SetState(cbGrayed);
  EXPECT_EQ(clicks, (std::vector<bool>{true, false, false}));
}

TEST_F(FormFixture, SortedListsKeepEachObjectBesideItsStringAndAssignmentCopies) {
  auto* list = Make<TListBox>(*form, "List1");
  auto* combo = Make<TComboBox>(*form, "Combo1");
  auto* tabs = Make<TTabSet>(*form, "Tabs1");
  for (TStrings* items : {list->Items(), combo->Items(), tabs->Tabs()}) {
    items->AddObject("beta", ObjectFromInt(2));
    items->AddObject("Same", ObjectFromInt(3));
    items->AddObject("alpha", ObjectFromInt(1));
    items->AddObject("same", ObjectFromInt(4));
  }
  list->SetSorted(true);
  combo->SetSorted(true);
  for (TStrings* items : {list->Items(), combo->Items()}) {
    items->AddObject("Gamma", ObjectFromInt(5));
    ASSERT_EQ(items->Count(), 5);
    EXPECT_EQ(items->Text(), "alpha\r\nbeta\r\nGamma\r\nSame\r\nsame\r\n");  // equal texts keep their order
    EXPECT_EQ(items->IndexOfObject(ObjectFromInt(1)), 0);
    EXPECT_EQ(items->IndexOfObject(ObjectFromInt(5)), 2);
    EXPECT_EQ(items->IndexOfObject(ObjectFromInt(4)), 4);
  }
  // People's order, not byte order: punctuation before digits.
  auto* names = Make<TListBox>(*form, "List2");
  names->SetSorted(true);
  for (const char* s : {"NAMES[2]", "NAMES[10]", "NAMES_X", "NAMES[1]"}) names->Items()->Add(s);
  EXPECT_EQ(names->Items()->Text(), "NAMES[1]\r\nNAMES[10]\r\nNAMES[2]\r\nNAMES_X\r\n");

  TStringList source;
  source.AddObject("x", ObjectFromInt(9));
  TStrings* owned = tabs->Tabs();
  tabs->SetTabs(&source);
  source.Add("y");
  EXPECT_EQ(tabs->Tabs(), owned);
  ASSERT_EQ(owned->Count(), 1);
  EXPECT_EQ(owned->Objects(0), ObjectFromInt(9));
}

TEST_F(FormFixture, AListBoxKeepsItsCurrentEntryApartFromItsHighlights) {
  auto* list = Make<TListBox>(*form, "List1");
  list->SetHeight(48);  // three rows of 16
  for (const char* s : {"a", "b", "c", "d", "e"}) list->Items()->Add(s);
  list->OnClick = Logger("click");
  list->SetItemIndex(1);
  EXPECT_TRUE(list->Selected(1));
  list->SetSelected(1, false);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SelCount(), 0);
  EXPECT_EQ(list->Perform(TListBox::LB_SETCARETINDEX, 4, 0), 0);
  EXPECT_EQ(list->ItemIndex(), 4);
  EXPECT_EQ(list->TopIndex(), 2);
  EXPECT_TRUE(log.empty());  // nothing here is a click
  UserPick(*list, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
  EXPECT_TRUE(list->Selected(3));
  list->Items()->Delete(0);
  EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(FormFixture, ACombosChoiceFiresClickThenChangeButSettingItsIndexDoesNot) {
  auto* combo = Make<TComboBox>(*form, "Combo1");
  combo->SetStyle(csDropDownList);
  combo->Items()->Add("one");
  combo->Items()->Add("two");
  combo->OnClick = Logger("click");
  combo->OnChange = Logger("change");
  combo->SetItemIndex(0);
  EXPECT_TRUE(log.empty());
  UserPick(*combo, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "change"}));
  EXPECT_EQ(combo->Text(), "two");
}

TEST_F(FormFixture, AnAutoSizedLabelTakesItsSizeFromCaptionAndFont) {
  auto* label = Make<TLabel>(*form, "Label1");
  label->Font()->SetName("Ariel");
  label->Font()->SetSize(10);  // -13 at 96 pixels per inch
  label->Font()->SetStyle({fsBold});
  label->SetCaption("Lexivar 1.0\r\nline two\r\n\r\nInternet: x");
  EXPECT_EQ(label->Font()->Height(), -13);
  EXPECT_EQ(label->Width(), 11 * 7);  // the widest line, 7 pixels a bold character
  EXPECT_EQ(label->Height(), 4 * 16);
  label->SetCaption("&Save");
  EXPECT_EQ(label->Width(), 4 * 7);  // the accelerator mark is not shown
}

TEST_F(FormFixture, TheBackEndKeepsAPeerPerControlFromShowUntilFree) {
  struct TRecording : THeadlessBackEnd {
    std::vector<TPeerChange> updates;
    void UpdatePeer(TControl&, TPeer&, TPeerChange change) override { updates.push_back(change); }
  };
  auto recording = std::make_shared<TRecording>();
  const auto previous = SetBackEnd(recording);
  {
    TOwned<TForm> shown(new TForm(nullptr));
    auto* button = Make<TButton>(*shown, "Button1");
    EXPECT_EQ(recording->PeerCount(), 0);
    shown->Show();
    EXPECT_EQ(recording->PeerCount(), 2);
    button->SetCaption("Go");
    EXPECT_EQ(recording->updates.back(), TPeerChange::Text);
    Make<TLabel>(*shown, "Label1");  // joins a parent that has a peer
    EXPECT_EQ(recording->PeerCount(), 3);
    button->Free();
    EXPECT_EQ(recording->PeerCount(), 2);
  }
  EXPECT_EQ(recording->PeerCount(), 0);
  SetBackEnd(previous);
}
