// The windowing back end on a real (virtual) display: widgets where the
// layouts put them, input injected through the toolkit's event dispatch
// (Fl::handle with the event fields set as the display connection sets
// them), and pictures of the windows. What the controls do with the input
// is tested headless; these tests check that windows carry it there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <functional>
#include <sstream>
#include <string>

#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/LxvReg.h"
#include "LxvEdit/LocaleEditor.h"
#include "demo_form.h"
#include "lxvdesign/session.h"
#include "platform/base/clock.h"
#include "platform/fltk/windowing.h"
#include "platform/forms/application.h"
#include "platform/forms/designing.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/headless.h"
#include "platform/forms/input.h"
#include "platform/forms/menus.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"
#include "platform/settings/reg_ini_file.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

namespace {

using namespace platform;
namespace fs = std::filesystem;

std::string PicturePath(const std::string& name) {
  const char* dir = std::getenv("LXV_PICTURE_DIR");
  return (fs::path(dir != nullptr ? dir : LXV_TEST_BINARY_DIR) / (name + ".png")).string();
}

// The share of pixels that differ by more than a small amount in any channel
// inside a rectangle (the whole picture when w is 0).
double Differing(const TPicture& a, const TPicture& b, int x = 0, int y = 0, int w = 0, int h = 0) {
  if (a.Width != b.Width || a.Height != b.Height) return 1.0;
  if (w == 0) {
    w = a.Width;
    h = a.Height;
  }
  int differing = 0;
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) {
      const auto at = static_cast<std::size_t>(row * a.Width + col) * 3;
      for (std::size_t c = 0; c < 3; ++c)
        if (std::abs(a.Rgb[at + c] - b.Rgb[at + c]) > 24) {
          ++differing;
          break;
        }
    }
  return static_cast<double>(differing) / (w * h);
}

// A left click on the middle of a widget, dispatched as the toolkit
// dispatches the display's button events.
void InjectClick(Fl_Widget& widget, int dx = -1, int dy = -1) {
  Fl_Window* window = widget.as_window() != nullptr ? widget.as_window() : widget.window();
  ASSERT_NE(window, nullptr);
  const int wx = widget.as_window() != nullptr ? 0 : widget.x(), wy = widget.as_window() != nullptr ? 0 : widget.y();
  Fl::e_x = wx + (dx < 0 ? widget.w() / 2 : dx);
  Fl::e_y = wy + (dy < 0 ? widget.h() / 2 : dy);
  Fl::e_x_root = window->x_root() + Fl::e_x;
  Fl::e_y_root = window->y_root() + Fl::e_y;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_clicks = 0;
  Fl::e_is_click = 1;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_PUSH, window);
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, window);
}

void InjectKey(Fl_Window& window, int key, const char* text = "") {
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = const_cast<char*>(text);
  Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
  Fl::handle(FL_KEYBOARD, &window);
}

template <class W>
W* FindWidget(Fl_Widget& root, const std::function<bool(W&)>& match = [](W&) { return true; }) {
  if (auto* w = dynamic_cast<W*>(&root); w != nullptr && match(*w)) return w;
  if (auto* group = root.as_group())
    for (int i = 0; i < group->children(); ++i)
      if (W* found = FindWidget<W>(*group->child(i), match)) return found;
  return nullptr;
}

// Runs `action` once the toolkit's loop (a dialog's, a modal form's) is
// running, on the window shown modally then.
void WhenModal(double seconds, std::function<void(Fl_Window&)> action) {
  auto* held = new std::function<void(Fl_Window&)>(std::move(action));
  Fl::add_timeout(seconds, [](void* data) {
    std::unique_ptr<std::function<void(Fl_Window&)>> run(static_cast<std::function<void(Fl_Window&)>*>(data));
    Fl_Window* window = Fl::modal() != nullptr ? Fl::modal() : Fl::first_window();
    ASSERT_NE(window, nullptr);
    (*run)(*window);
  }, held);
}

class WindowingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    unsetenv("LXV_HEADLESS");
    settings_ = fs::path(LXV_TEST_BINARY_DIR) / "windowing_settings";
    fs::create_directories(settings_);
    SetSettingsDirectory(settings_.string());
    ASSERT_TRUE(UseWindowsWhenDisplayed()) << "no display: run under xvfb-run";
  }
  static void TearDownTestSuite() { SetSettingsDirectory(""); }

  // The editor on a translator that holds German beside the default locale.
  TOwned<LxvEdit::TLocaleEditor> OpenEditor() {
    form_.reset(new TForm(&Application()));
    form_->SetName("Form1");
    auto* lexivar = new Lxv::TLexivar(form_.get());
    lexivar->SetName("Lexivar1");
    lexivar->AddOrgProps(0x407, *lexivar->Translations());
    TOwned<LxvEdit::TLocaleEditor> editor(new LxvEdit::TLocaleEditor(&Application()));
    editor->EditComponent = lexivar;
    editor->DesignLocaleId = 0x409;
    editor->StartupLocaleId = 0x400;
    editor->Show();
    Fl::flush();
    return editor;
  }

  static fs::path settings_;
  TOwned<TForm> form_;
};
fs::path WindowingTest::settings_;

// Sums Left and Top up the parents: where the layout puts a control in its
// form's client area.
TPoint LayoutPosition(const TControl& control) {
  TPoint at;
  for (const TControl* c = &control; c->Parent() != nullptr; c = c->Parent()) at = {at.X + c->Left(), at.Y + c->Top()};
  return at;
}

void ExpectPlaced(const TWinControl& parent, const Fl_Window& window, int& count) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    const TControl& control = *parent.Controls(i);
    Fl_Widget* widget = WidgetOf(control);
    ASSERT_NE(widget, nullptr) << control.Name();
    EXPECT_EQ(widget->window(), &window) << control.Name();
    const TPoint at = LayoutPosition(control);
    EXPECT_EQ(widget->x(), at.X) << control.Name();
    EXPECT_EQ(widget->y(), at.Y) << control.Name();
    EXPECT_EQ(widget->w(), control.Width()) << control.Name();
    EXPECT_EQ(widget->h(), control.Height()) << control.Name();
    EXPECT_LE(widget->x() + widget->w(), window.w()) << control.Name();
    EXPECT_LE(widget->y() + widget->h(), window.h()) << control.Name();
    ++count;
    if (auto* windowed = DynCast<TWinControl>(&control)) ExpectPlaced(*windowed, window, count);
  }
}

TEST_F(WindowingTest, EveryControlOfTheEditorSitsWhereItsLayoutPutsIt) {
  TOwned<LxvEdit::TLocaleEditor> editor = OpenEditor();
  auto* window = dynamic_cast<Fl_Window*>(WidgetOf(*editor));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->shown());
  EXPECT_EQ(window->w(), editor->ClientWidth());
  EXPECT_EQ(window->h(), editor->ClientHeight());
  int count = 0;
  ExpectPlaced(*editor, *window, count);
  EXPECT_GE(count, 30);  // the whole layout was walked
  // Only the current page's controls are on the screen.
  TTabbedNotebook& notebook = *editor->LocaleNotebook;
  for (int page = 0; page < notebook.PageCount(); ++page)
    EXPECT_EQ(WidgetOf(*notebook.Pages(page))->visible_r() != 0, page == notebook.PageIndex()) << page;
}

TEST_F(WindowingTest, EachEditorPageIsShownByAClickOnItsTabAndDrawn) {
  TOwned<LxvEdit::TLocaleEditor> editor = OpenEditor();
  TTabbedNotebook& notebook = *editor->LocaleNotebook;
  Fl_Widget& tabs = *WidgetOf(notebook);
  // Clicks along the tab row, left to right: each page comes up in turn.
  std::vector<int> tabAt(static_cast<std::size_t>(notebook.PageCount()), -1);
  for (int x = 2; x < tabs.w(); x += 6) {
    InjectClick(tabs, x, 10);
    int& at = tabAt[static_cast<std::size_t>(notebook.PageIndex())];
    if (at < 0) at = x;
  }
  for (std::size_t page = 0; page < tabAt.size(); ++page) {
    ASSERT_GE(tabAt[page], 0) << "no tab shows page " << page;
    if (page > 0) {
      EXPECT_GT(tabAt[page], tabAt[page - 1]);
    }
  }
  std::vector<TPicture> pictures;
  for (std::size_t page = 0; page < tabAt.size(); ++page) {
    InjectClick(tabs, tabAt[page], 10);
    pictures.push_back(PictureOfForm(*editor));
    SavePicture(pictures.back(), PicturePath("editor_page" + std::to_string(page + 1)));
  }
  // The page area differs from page to page; the same page draws the same.
  const int top = tabs.y() + TTabbedNotebook::kPageTop;
  for (std::size_t a = 0; a < pictures.size(); ++a)
    for (std::size_t b = a + 1; b < pictures.size(); ++b)
      EXPECT_GT(Differing(pictures[a], pictures[b], tabs.x(), top, tabs.w(), tabs.h() - TTabbedNotebook::kPageTop),
                0.01)
          << "pages " << a << " and " << b;
  InjectClick(tabs, tabAt[0], 10);
  EXPECT_LT(Differing(PictureOfForm(*editor), pictures[0]), 0.005);
}

// Typed in the translation field, then a click on another tab and on OK: the
// tab takes the focus, so the field's exit handler stores the edit first.
TEST_F(WindowingTest, AnEditPendingAtATabClickReachesTheComponent) {
  TOwned<LxvEdit::TLocaleEditor> editor = OpenEditor();
  auto* window = dynamic_cast<Fl_Window*>(WidgetOf(*editor));
  ASSERT_NE(window, nullptr);
  editor->PropList->SetItemIndex(0);
  editor->PropListClick(editor.get());
  const LCID chosen = static_cast<LCID>(IntFromObject(editor->CbxLang->Items()->Objects(editor->CbxLang->ItemIndex())));
  const std::string key = Lxv::LocalePrefix(chosen) + "_" + std::string(editor->PropList->Items()->Strings(0)) + "=";
  InjectClick(*WidgetOf(*editor->EdtTranslation));
  editor->EdtTranslation->SelectAll();
  for (const char* c : {"Z", "q"}) InjectKey(*window, c[0], c);
  InjectKey(*window, FL_Enter, "\r");  // commits, types no line break
  InjectKey(*window, 'w', "w");
  TTabbedNotebook& notebook = *editor->LocaleNotebook;
  for (int x = 2; x < WidgetOf(notebook)->w() && notebook.PageIndex() == 0; x += 6)
    InjectClick(*WidgetOf(notebook), x, 10);
  ASSERT_EQ(notebook.PageIndex(), 1);
  InjectClick(*WidgetOf(*editor->BtnOK));
  const TStrings& table = *editor->EditComponent->Translations();
  std::string value = "<none>";
  for (int i = 0; i < table.Count(); ++i)
    if (table.Strings(i).starts_with(key)) value = table.Strings(i).substr(key.size());
  EXPECT_EQ(value, "Zqw");
}

TEST_F(WindowingTest, AClickOnTheDemosLanguageMenuSwitchesTheLabels) {
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> demo(new TDemoForm(nullptr));
  demo->Show();
  auto* window = dynamic_cast<Fl_Window*>(WidgetOf(*demo));
  ASSERT_NE(window, nullptr);
  Fl::wait(0.05);
  auto* bar = FindWidget<Fl_Menu_Bar>(*window);
  ASSERT_NE(bar, nullptr);
  auto* language = As<TMenuItem>(demo->FindComponent("MnuLanguage"));
  int german = 0;
  while (german < language->Count() && language->Items(german)->Caption().find("German") == std::string::npos) ++german;
  ASSERT_LT(german, language->Count());
  ASSERT_FALSE(language->Items(german)->Checked());
  auto* date = As<TLabel>(demo->FindComponent("LblLongDate"));
  const std::string before = date->Caption();
  const TPicture first = PictureOfForm(*demo);

  // The menu opens on a click on its title; in the menu's own loop a click
  // on the entry (its rows are of equal height) chooses it.
  const int entries = language->Count();
  WhenModal(0.2, [german, entries](Fl_Window& menu) {
    const int rowHeight = (menu.h() - 6) / entries;
    Fl::e_x_root = menu.x_root() + menu.w() / 2;
    Fl::e_y_root = menu.y_root() + 3 + german * rowHeight + rowHeight / 2;
    Fl::e_x = Fl::e_x_root - menu.x_root();
    Fl::e_y = Fl::e_y_root - menu.y_root();
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_is_click = 0;
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_MOVE, &menu);
    Fl::handle(FL_PUSH, &menu);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, &menu);
  });
  InjectClick(*bar, 20, bar->h() / 2);
  Fl::wait(0.05);

  EXPECT_TRUE(language->Items(german)->Checked());
  EXPECT_NE(date->Caption(), before);
  EXPECT_STREQ(WidgetOf(*date)->label(), date->Caption().c_str());
  const TPicture after = PictureOfForm(*demo);
  SavePicture(after, PicturePath("demo_german"));
  Fl_Widget& shown = *WidgetOf(*date);
  EXPECT_GT(Differing(first, after, shown.x(), shown.y(), shown.w(), shown.h()), 0.02);
  // The menu bar shows the new choice checked.
  const Fl_Menu_Item* item = bar->menu();
  while (item->text != nullptr || (item + 1)->text != nullptr) {
    if (item->user_data() == language->Items(german)) break;
    ++item;
  }
  ASSERT_EQ(item->user_data(), language->Items(german));
  EXPECT_NE(item->value(), 0);
}

// A widget draws a text in one font: after a switch to Japanese each label,
// and the menu's entry in Japanese, is drawn in a font with glyphs for all
// its characters, not in the form's font, which has none for kanji.
TEST_F(WindowingTest, EveryLabelIsDrawnInAFontThatCoversItsCharacters) {
  Application().SetTitle("Lexivar demo");
  TOwned<TDemoForm> demo(new TDemoForm(nullptr));
  demo->Show();
  auto* window = dynamic_cast<Fl_Window*>(WidgetOf(*demo));
  ASSERT_NE(window, nullptr);
  auto* bar = FindWidget<Fl_Menu_Bar>(*window);
  ASSERT_NE(bar, nullptr);
  auto* language = As<TMenuItem>(demo->FindComponent("MnuLanguage"));
  const auto entry = [language](const char* name) {
    for (int i = 0; i < language->Count(); ++i)
      if (language->Items(i)->Caption().find(name) != std::string::npos) return language->Items(i);
    return static_cast<TMenuItem*>(nullptr);
  };
  ASSERT_FALSE(FaceCovers(WidgetOf(*demo)->labelfont(), "日本語")) << "the form's own font draws kanji";
  for (const auto& [name, picture] : {std::pair{"日本語", "demo_japanese"}, std::pair{"русский", "demo_russian"}}) {
    TMenuItem* chosen = entry(name);
    ASSERT_NE(chosen, nullptr) << name;
    UserChoose(*chosen);
    Fl::wait(0.05);
    int labels = 0;
    for (int i = 0; i < demo->ControlCount(); ++i) {
      auto* label = DynCast<TLabel>(demo->Controls(i));
      if (label == nullptr) continue;
      ++labels;
      const Fl_Widget& widget = *WidgetOf(*label);
      ASSERT_NE(widget.label(), nullptr);
      EXPECT_TRUE(FaceCovers(widget.labelfont(), widget.label()))
          << label->Name() << " \"" << widget.label() << "\" in " << FamilyOfFace(widget.labelfont());
    }
    EXPECT_GE(labels, 5);
    SavePicture(PictureOfForm(*demo), PicturePath(picture));  // brings the menu bar in step
    const Fl_Menu_Item* item = bar->menu();
    ASSERT_NE(item, nullptr);
    while (item->user_data() != chosen && (item->text != nullptr || (item + 1)->text != nullptr)) ++item;
    ASSERT_EQ(item->user_data(), chosen);
    const Fl_Font face = item->labelfont_ != 0 ? item->labelfont_ : bar->textfont();
    EXPECT_TRUE(FaceCovers(face, item->label())) << item->label() << " in " << FamilyOfFace(face);
  }
}

TEST_F(WindowingTest, TheAboutBoxEnablesItsButtonAfterTheWait) {
  TOwned<TForm> owner(new TForm(&Application()));
  auto* lexivar = new Lxv::TLexivar(owner.get());
  bool pictured = false;
  TPicture first;
  // Queued work runs in the first ProcessMessages of the box's wait.
  Application().QueueWork([&] {
    TForm* box = CurrentModalForm();
    ASSERT_NE(box, nullptr);
    auto* button = As<TButton>(box->FindComponent("Button"));
    EXPECT_FALSE(WidgetOf(*button)->active());
    first = PictureOfForm(*box);
    SavePicture(first, PicturePath("about_waiting"));
    pictured = true;
  });
  WhenModal(1.8, [&](Fl_Window&) {
    TForm* box = CurrentModalForm();
    ASSERT_NE(box, nullptr);
    Fl_Widget& button = *WidgetOf(*As<TButton>(box->FindComponent("Button")));
    EXPECT_TRUE(button.active());
    const TPicture ready = PictureOfForm(*box);
    SavePicture(ready, PicturePath("about"));
    EXPECT_GT(Differing(first, ready, button.x(), button.y(), button.w(), button.h()), 0.02);
    EXPECT_LT(Differing(first, ready), 0.05);
    InjectClick(button);
  });
  const std::uint32_t start = GetTickCount();
  lexivar->ShowAbout();
  EXPECT_TRUE(pictured);
  EXPECT_LT(GetTickCount() - start, 5000u);  // closed by the click, not shown again
  EXPECT_EQ(CurrentModalForm(), nullptr);
}

TEST_F(WindowingTest, AMessageBoxAFileDialogAndTheFontDialogAreAnsweredInTheirWindows) {
  WhenModal(0.2, [](Fl_Window& box) {
    auto isNo = [](Fl_Button& b) { return b.label() != nullptr && std::string(b.label()) == "&No"; };
    Fl_Button* no = FindWidget<Fl_Button>(box, isNo);
    ASSERT_NE(no, nullptr);
    InjectClick(*no);
  });
  EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrNo);

  const fs::path dir = fs::path(LXV_TEST_BINARY_DIR) / "windowing_files";
  fs::create_directories(dir);
  TOwned<TSaveDialog> dialog(new TSaveDialog(nullptr));
  dialog->SetTitle("Save translations");
  dialog->SetFilter("Translation files|*.txt|All files|*.*");
  dialog->SetDefaultExt("txt");
  dialog->SetInitialDir(dir.string());
  std::string title;
  WhenModal(0.3, [&title, &dir](Fl_Window& chooser) {
    title = chooser.label() != nullptr ? chooser.label() : "";
    Fl_File_Input* name = FindWidget<Fl_File_Input>(chooser);
    Fl_Return_Button* ok = FindWidget<Fl_Return_Button>(chooser);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(ok, nullptr);
    name->value((dir / "chosen").c_str());
    InjectClick(*ok);
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(title, "Save translations");
  EXPECT_EQ(fs::path(dialog->FileName()).filename(), "chosen.txt");

  // The font dialog lists the installed families; the one picked is the font's.
  TOwned<TFontDialog> fonts(new TFontDialog(nullptr));
  fonts->Font()->SetName("Ariel");  // not installed: the default sans is proposed
  std::string picked;
  WhenModal(0.3, [&picked](Fl_Window& dialog) {
    Fl_Hold_Browser* families = FindWidget<Fl_Hold_Browser>(dialog);
    ASSERT_NE(families, nullptr);
    ASSERT_GT(families->size(), 1);
    ASSERT_GT(families->value(), 0) << "the default sans family is not proposed";
    const int other = families->value() == 1 ? 2 : 1;
    families->select(other);
    picked = families->text(other);
    InjectClick(*FindWidget<Fl_Return_Button>(dialog));
  });
  ASSERT_TRUE(fonts->Execute());
  EXPECT_EQ(fonts->Font()->Name(), picked);
}

TEST_F(WindowingTest, KeysReachTheFocusedControlOrTheDialogButtons) {
  TOwned<TForm> form(new TForm(&Application()));
  form->SetName("KeyForm");
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  auto add = [&form](TControl* control, int top, int height) {
    control->SetParent(form.get());
    control->SetBounds(10, top, 150, height);
  };
  auto* edit = new TEdit(form.get());
  add(edit, 10, 24);
  auto* memo = new TMemo(form.get());
  add(memo, 40, 80);
  auto* ok = new TButton(form.get());
  add(ok, 130, 25);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = new TButton(form.get());
  add(cancel, 160, 25);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  std::vector<std::string> order;
  edit->OnExit = [&order](TObject*) { order.push_back("exit edit"); };
  memo->OnEnter = [&order](TObject*) { order.push_back("enter memo"); };
  memo->OnChange = [&order](TObject*) { order.push_back("memo changed"); };

  WhenModal(0.2, [&](Fl_Window& window) {
    InjectClick(*WidgetOf(*edit));
    InjectKey(window, 'a', "a");
    InjectKey(window, 'b', "B");
    EXPECT_EQ(edit->Text(), "aB");
    EXPECT_STREQ(static_cast<Fl_Input*>(WidgetOf(*edit))->value(), "aB");
    InjectClick(*WidgetOf(*memo));
    InjectKey(window, FL_Escape, "\x1b");  // the memo's, not the Cancel button's
    EXPECT_EQ(form->ModalResult(), mrNone);
    InjectKey(window, 'x', "x");
    EXPECT_STREQ(static_cast<Fl_Input*>(WidgetOf(*memo))->value(), memo->Text().c_str());
    InjectClick(*WidgetOf(*edit));
    InjectKey(window, FL_Enter, "\r");  // the default button
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(order, (std::vector<std::string>{"exit edit", "enter memo", "memo changed"}));
}

// Runs the toolkit's loop until the window has drawn what it had to (a new
// window first waits for the display to expose it); false when it did not.
bool DrawnOut(Fl_Window& window) {
  for (int i = 0; i < 100 && window.damage() != 0; ++i) Fl::wait(0.02);
  return window.damage() == 0;
}

// lxvdesign's form as a window: a click selects what is under it and prints
// its inspector rows, nothing on the form acts, a drop without coordinates
// lands at the click, and a change the designer hears of is redrawn.
TEST_F(WindowingTest, TheFormDesignedAnswersClicksAndIsRedrawnAfterEachChange) {
  Lxv::Register();
  lxvdesign::TDesignSession::RegisterStandardPage();
  THeadlessBackEnd unused;  // no dialog meets the scripted user here
  std::ostringstream out;
  lxvdesign::TDesignSession session(out, unused.User());
  const auto run = [&](const std::string& line) {
    out.str("");
    session.Run(line);
    return out.str();
  };
  run(std::string("open ") + LXV_TEST_SOURCE_DIR + "/lxvdesign/selector_form.txt");
  TForm& form = *session.Form();
  auto* window = dynamic_cast<Fl_Window*>(WidgetOf(form));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->shown());
  EXPECT_FALSE(form.Visible());  // the property designed stays as stored

  auto* button = As<TButton>(form.FindComponent("Button1"));
  bool clicked = false;
  button->OnClick = [&clicked](TObject*) { clicked = true; };
  const std::string inspected = run("inspect Button1");
  out.str("");
  InjectClick(*WidgetOf(*button));
  EXPECT_EQ(out.str(), inspected);
  EXPECT_EQ(form.DesignSelection(), button);
  EXPECT_FALSE(clicked);

  // The bare surface: the form is inspected, and the next drop lands there.
  out.str("");
  InjectClick(*window, 180, 40);
  EXPECT_EQ(out.str(), run("inspect Form1"));
  run("drop TLabel");
  auto* label = As<TLabel>(form.FindComponent("Label1"));
  EXPECT_EQ((TPoint{label->Left(), label->Top()}), (TPoint{180, 40}));
  EXPECT_EQ(WidgetOf(*label)->x(), 180);
  EXPECT_EQ(WidgetOf(*label)->y(), 40);

  // A component without a place of its own shows as an icon: dropping one
  // leaves the window to redraw, and a click on it inspects it.
  InjectClick(*window, 200, 120);
  ASSERT_TRUE(DrawnOut(*window));
  const TPicture before = PictureOfForm(form);
  run("drop TLexivar");
  EXPECT_NE(window->damage(), 0);
  const TPicture after = PictureOfForm(form);
  EXPECT_GT(Differing(before, after, 200, 120, kDesignIconSize, kDesignIconSize), 0.1);
  out.str("");
  InjectClick(*window, 210, 130);
  EXPECT_EQ(out.str(), run("inspect Lexivar1"));

  run("set Lexivar1 AdoptOn ListBox1");
  run("set Label1 Caption \"Adopts ListBox1\"");
  SavePicture(PictureOfForm(form), PicturePath("lxvdesign_form"));
  ASSERT_TRUE(DrawnOut(*window));
  run("set Lexivar1 Name Translator");  // the icon's caption
  EXPECT_NE(window->damage(), 0);
  ASSERT_TRUE(DrawnOut(*window));
  run("delete Translator");
  EXPECT_NE(window->damage(), 0);
  EXPECT_EQ(form.DesignSelection(), nullptr);

  // A menu given to the form brings its bar above the controls; clicks
  // still find what they land on.
  run("drop TMainMenu 240 160");
  run("set Form1 Menu MainMenu1");
  Application().ProcessMessages();
  const Fl_Menu_Bar* bar = FindWidget<Fl_Menu_Bar>(*window);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(window->h(), form.ClientHeight() + bar->h());
  EXPECT_EQ(WidgetOf(*button)->y(), button->Top() + bar->h());
  out.str("");
  InjectClick(*WidgetOf(*button));
  EXPECT_EQ(form.DesignSelection(), button);
  InjectClick(*window, 20, 5);
  EXPECT_EQ(form.DesignSelection(), form.Menu());
}

}  // namespace
