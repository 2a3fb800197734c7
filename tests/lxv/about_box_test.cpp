// The About box: its layout, and the delay of its OK button under the
// scriptable user and a simulated clock.
#include <cstdint>
#include <deque>
#include <string>

#include "lxv/lexivar_env.h"
#include "platform/base/clock.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/forms/std_controls.h"

namespace lxvtest {
namespace {

using namespace platform;

class AboutBox : public LexivarTest {
 protected:
  explicit AboutBox(std::uint32_t clockStart = 1000) : headless(clockStart), lexivar(NewLexivar()) {}

  TScriptedUser& User() { return headless.User(); }
  std::uint32_t Now() { return headless.Clock().Now(); }
  static TButton& Button(TForm& form) { return *As<TButton>(form.FindComponent("Button")); }
  // How many dialogs the call showed, counted on activation.
  int Shows() const { return shows; }
  void CountShows() {
    User().Do("count", [this](TForm&) { ++shows; });
  }

  THeadlessSession headless;
  Lxv::TLexivar* lexivar;
  int shows = 0;
};

TEST_F(AboutBox, LayoutTextAndFreeing) {
  const int before = Application().ComponentCount();
  User().Do("look", [&](TForm& form) {
    EXPECT_EQ(form.Caption(), "About ...");
    EXPECT_EQ(form.ClientWidth(), 360);
    EXPECT_EQ(form.ClientHeight(), 130);
    EXPECT_EQ(form.BorderStyle(), bsDialog);
    EXPECT_TRUE(form.BorderIcons().Empty());
    EXPECT_EQ(form.Position(), poScreenCenter);
    EXPECT_EQ(form.Font()->Name(), "Ariel");
    EXPECT_EQ(form.Font()->Size(), 10);
    EXPECT_EQ(form.Owner(), &Application());
    TButton& button = Button(form);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_TRUE(button.Default());
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.ModalResult(), mrOk);
    // Centred on the form's outer width.
    EXPECT_EQ(button.Left(), form.Width() / 2 - button.Width() / 2);
    EXPECT_EQ(button.Top(), form.ClientHeight() - (button.Height() + 5));
    ASSERT_EQ(form.ComponentCount(), 2);
    auto* label = As<TLabel>(form.Components(1));
    const std::string text = label->Caption();
    EXPECT_EQ(text.substr(0, 13), "Lexivar 1.0\r\n");
    const auto third = text.find("\r\n\r\nInternet: ");
    ASSERT_NE(third, std::string::npos);
    EXPECT_EQ(text.find("\r\n", 13), third);  // four lines, the third empty
    EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
    EXPECT_EQ(label->Font()->Name(), "Ariel");
    EXPECT_GT(label->Width(), 0);  // measured from the text
    EXPECT_EQ(label->Left(), form.Width() / 2 - label->Width() / 2);
    EXPECT_EQ(label->Top(), 15);
  });
  User().Wait(1500).Click("Button");
  lexivar->ShowAbout();
  EXPECT_EQ(User().Pending(), 0u);
  EXPECT_EQ(Application().ComponentCount(), before);
}

TEST_F(AboutBox, OkIsEnabledOnlyAfterTheWait) {
  const std::uint32_t start = Now();
  bool enabledEarly = true;
  // Clicks before 1500 ms do nothing; the dialog stays open.
  User().Click("Button").Wait(700).Click("Button").Wait(700);
  User().Do("look", [&](TForm& form) { enabledEarly = Button(form).Enabled(); });
  User().Wait(100).Click("Button");
  lexivar->ShowAbout();
  EXPECT_FALSE(enabledEarly);
  EXPECT_EQ(User().Pending(), 0u);
  EXPECT_GE(Now() - start, 1500u);
}

TEST_F(AboutBox, EachActivationWaitsAgain) {
  User().Wait(1500);
  // Back at the dialog: the button, once enabled, stays so, and the wait runs again.
  std::uint32_t reactivatedAt = 0;
  User().Do("note", [&](TForm&) { reactivatedAt = Now(); }).Reactivate();
  bool enabledDuringSecondWait = false;
  User().Do("look", [&](TForm& form) { enabledDuringSecondWait = Button(form).Enabled(); });
  User().Wait(1500).Click("Button");
  lexivar->ShowAbout();
  EXPECT_TRUE(enabledDuringSecondWait);
  EXPECT_GE(Now() - reactivatedAt, 1500u);
  EXPECT_EQ(User().Pending(), 0u);
}

TEST_F(AboutBox, TheWaitRunsAcrossTheCounterWrap) {
  headless.Clock().Advance(0xFFFFFFFFu - Now() - 200);  // 200 ms before the wrap
  User().Wait(1000);
  bool enabledAfter1000 = true;
  User().Do("look", [&](TForm& form) { enabledAfter1000 = Button(form).Enabled(); });
  User().Wait(500).Click("Button");
  lexivar->ShowAbout();
  EXPECT_FALSE(enabledAfter1000);
  EXPECT_LT(Now(), 2000u);  // wrapped
  EXPECT_EQ(User().Pending(), 0u);
}

// A dialog closed by the system less than 1500 ms after the call began is
// replaced by a new, identical one. The wait on activation makes that late
// in practice, so a tick source that the test steps stands for a dialog that
// went away before its wait: the first dialog's end is read 100 ms after the
// call began.
TEST_F(AboutBox, AnEarlyCloseShowsANewDialog) {
  std::deque<std::uint32_t> ticks = {
      5000,          // the first call begins
      9000, 10500,   // its activation waits 1500 ms
      5100,          // its end: 100 ms after the call began
      20000,         // the second dialog begins
      20000, 21500,  // its wait
      21600};        // its end
  TTickSource previous = SetTickSource([&] {
    const std::uint32_t t = ticks.front();
    if (ticks.size() > 1) ticks.pop_front();
    return t;
  });
  CountShows();
  User().Close();
  CountShows();
  User().Wait(0).Click("Button");  // the click comes after the second wait
  lexivar->ShowTimedMessage("About ...", "text");
  SetTickSource(previous);
  EXPECT_EQ(Shows(), 2);
  EXPECT_EQ(User().Pending(), 0u);
}

}  // namespace
}  // namespace lxvtest
