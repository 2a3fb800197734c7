// The scriptable user: modal forms and dialogs met in script order, what it
// records, and how it fails.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/base/clock.h"
#include "platform/forms/application.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/snapshot.h"
#include "platform/forms/std_controls.h"

using namespace platform;

namespace {

TOwned<TForm> NewForm(const std::string& name) {
  TOwned<TForm> form(new TForm(nullptr));
  form->SetName(name);
  form->SetCaption(name + " caption");
  return form;
}

TButton* NewButton(TForm& form, const std::string& name, TModalResult result) {
  auto* button = new TButton(&form);
  button->SetName(name);
  button->SetModalResult(result);
  button->SetParent(&form);
  return button;
}

}  // namespace

TEST(ScriptedUser, AScriptThatRunsOutWhileAFormIsModalFailsNamingTheForm) {
  THeadlessSession session;
  TOwned<TForm> form = NewForm("AboutBox");
  try {
    form->ShowModal();
    FAIL() << "ShowModal returned";
  } catch (const EScriptError& e) {
    EXPECT_NE(std::string(e.what()).find("'AboutBox'"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(CurrentModalForm(), nullptr);

  // A step meant for another form fails too, as does an answer where an action is due.
  session.User().In("Other").Click("Ok");
  EXPECT_THROW(form->ShowModal(), EScriptError);
  session.User().Clear();
  session.User().Answer(mrOk);
  EXPECT_THROW(form->ShowModal(), EScriptError);
}

// A typed name comes back as a full path, in the initial directory when
// there is one, and need not exist.
TEST(ScriptedUser, AFileDialogAnswersWithAFullPath) {
  THeadlessSession session;
  session.User().ChooseFile("new name").ChooseFile("sub/../words.txt");
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* open = new TOpenDialog(owner.get());
  open->SetDefaultExt("txt");
  ASSERT_TRUE(open->Execute());
  EXPECT_EQ(open->FileName(), (std::filesystem::current_path() / "new name.txt").string());
  open->SetInitialDir("/tmp/dir");
  ASSERT_TRUE(open->Execute());
  EXPECT_EQ(open->FileName(), "/tmp/dir/words.txt");
}

TEST(ScriptedUser, DialogsAreAnsweredInScriptOrderAndRecorded) {
  THeadlessSession session;
  TScriptedUser& user = session.User();
  user.Answer(mrNo).AnswerInput("1033").CancelInput().ChooseFile("/tmp/words").ChooseFont([](TFont& f) {
    f.SetName("Courier New");
  });
  ShowMessage("no step needed for a box with one button");
  EXPECT_EQ(MessageDlg("Do you want to discard the changes ?", mtWarning, {mbYes, mbNo}, 0), mrNo);
  std::string value;
  EXPECT_TRUE(InputQuery("New locale", "Locale identifier (integer)", value));
  EXPECT_EQ(value, "1033");
  EXPECT_FALSE(InputQuery("New locale", "again", value));
  EXPECT_EQ(value, "1033");
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* save = new TSaveDialog(owner.get());
  save->SetDefaultExt("txt");
  save->SetTitle("Save current locale properties to an external textfile.");
  EXPECT_TRUE(save->Execute());
  EXPECT_EQ(save->FileName(), "/tmp/words.txt");
  auto* fonts = new TFontDialog(owner.get());
  fonts->Font()->SetSize(12);
  EXPECT_TRUE(fonts->Execute());
  EXPECT_EQ(fonts->Font()->Name(), "Courier New");
  EXPECT_EQ(fonts->Font()->Size(), 12);

  const auto& shown = user.Shown();
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_EQ(shown[0].Answer, "mrOk");
  EXPECT_EQ(shown[1].Caption, "Warning");
  EXPECT_EQ(shown[1].Text, "Do you want to discard the changes ?");
  EXPECT_EQ(shown[3].Answer, "");
  EXPECT_EQ(shown[4].Kind, "Save");
  EXPECT_EQ(shown[4].Caption, "Save current locale properties to an external textfile.");
  EXPECT_EQ(shown[5].Answer, "Courier New");

  // Nothing scripted for a question: a clear failure, not a guess.
  EXPECT_THROW(MessageDlg("Sure?", mtConfirmation, {mbYes, mbNo}, 0), EScriptError);
  user.Answer(mrOk);
  EXPECT_THROW(MessageDlg("Sure?", mtConfirmation, {mbYes, mbNo}, 0), EScriptError);  // no OK button
}

TEST(ScriptedUser, ABusyWaitOnASimulatedClockCostsNoRealTimeAndSeesItWrap) {
  THeadlessSession session(0xFFFFFF00u);  // the counter wraps during the wait
  TOwned<TForm> form = NewForm("Timed");
  TButton* ok = NewButton(*form, "Button", mrOk);
  ok->SetEnabled(false);
  std::uint32_t waited = 0;
  form->OnActivate = [&](TObject*) {
    const std::uint32_t t = GetTickCount();
    while (GetTickCount() - t < 1500) Application().ProcessMessages();
    waited = GetTickCount() - t;
    ok->SetEnabled(true);
  };
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  // The first click comes while the button is still disabled and does nothing.
  session.User().Click("Button").Wait(2000).Click("Button");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(clicks, 1);
  EXPECT_GE(waited, 1500u);
  EXPECT_LT(session.Clock().Now(), 0xFFFFFF00u);  // wrapped
}

TEST(ScriptedUser, AHandlersErrorIsReportedAndTheScriptGoesOn) {
  THeadlessSession session;
  TOwned<TForm> form = NewForm("Editor");
  TButton* fail = NewButton(*form, "BtnNew", mrNone);
  fail->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
  NewButton(*form, "BtnOK", mrOk);
  session.User().Click("BtnNew").Click("BtnOK");
  EXPECT_EQ(form->ShowModal(), mrOk);
  ASSERT_EQ(session.User().Shown().size(), 1u);
  EXPECT_EQ(session.User().Shown()[0].Text, "'abc' is not a valid integer value.");
}

TEST(ScriptedUser, AModalFormOpenedByAStepTakesTheStepsThatFollow) {
  THeadlessSession session;
  TOwned<TForm> outer = NewForm("Outer");
  TOwned<TForm> inner = NewForm("Inner");
  NewButton(*inner, "InnerOk", mrOk);
  TModalResult innerResult = mrNone;
  NewButton(*outer, "Open", mrNone)->OnClick = [&](TObject*) { innerResult = inner->ShowModal(); };
  NewButton(*outer, "Done", mrYes);
  session.User().In("Outer").Click("Open").In("Inner").Click("InnerOk").In("Outer").Click("Done");
  EXPECT_EQ(outer->ShowModal(), mrYes);
  EXPECT_EQ(innerResult, mrOk);
}

TEST(ScriptedUser, ASnapshotShowsControlsStatesAndEntries) {
  THeadlessSession session;
  TOwned<TForm> form = NewForm("Pick");
  form->SetBounds(10, 20, 200, 150);
  auto* list = new TListBox(form.get());
  list->SetName("Langs");
  list->SetParent(form.get());
  list->SetBounds(8, 8, 100, 50);
  list->Items()->Add("English");
  list->Items()->Add("German");
  TButton* ok = NewButton(*form, "Ok", mrOk);
  ok->SetCaption("&OK");
  ok->SetEnabled(false);
  session.User().Pick("Langs", "German").Snapshot().Close();
  EXPECT_EQ(form->ShowModal(), mrCancel);
  ASSERT_EQ(session.User().Shown().size(), 1u);
  EXPECT_EQ(session.User().Shown()[0].Text,
            "Pick: TForm 'Pick caption' at 10,20 size 200x150\n"
            "  Langs: TListBox at 8,8 size 100x50 index 1 focused\n"
            "         English\n"
            "      >* German\n"
            "  Ok: TButton '&OK' at 0,0 size 75x25 disabled\n");
}
