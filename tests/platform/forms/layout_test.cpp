// A text form with every control class and the properties the editor's
// layout uses reads into controls and writes back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/files.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/menus.h"
#include "platform/forms/notebook.h"
#include "platform/forms/std_controls.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"
#include "support/temp_dir.h"

using namespace platform;

namespace {

class TLayoutProbe : public TForm {
  LXV_CLASS(TLayoutProbe, TForm)
 public:
  explicit TLayoutProbe(TComponent* owner) : TForm(owner) {}
  void Handler(TObject*) {}
  void KeyHandler(TObject*, std::uint16_t&, TShiftState) {}
};

TClass TLayoutProbe::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TLayoutProbe> b("TLayoutProbe");
    for (const char* name : {"FormCreate", "FormShow", "BtnOKClick", "BtnCancelClick", "CbxLangChange",
                             "PropListClick", "EdtTranslationExit", "EdtLocaleListChange", "CkxMoveClick"})
      b.Method(name, &TLayoutProbe::Handler);
    return b.Method("EdtTranslationKeyDown", &TLayoutProbe::KeyHandler).Build();
  }();
  return &info;
}

std::string WithoutCR(std::string text) {
  std::erase(text, '\r');
  return text;
}

const std::string kLayout = std::string(LXV_TEST_DATA_DIR) + "/forms/controls_layout.txt";

template <class T>
T& Get(const TForm& form, const std::string& name) {
  auto* c = DynCast<T>(form.FindComponent(name));
  if (c == nullptr) throw std::runtime_error("no " + name);
  return *c;
}

}  // namespace

TEST(ControlsLayout, ReadsWithoutUnknownPropertiesAndWritesBackUnchanged) {
  THeadlessSession session;
  RegisterClass(TLayoutProbe::StaticClass());
  testing_support::TempDir dir;
  TOwned<TLayoutProbe> form(new TLayoutProbe(nullptr));
  form->LoadFromFile(kLayout);
  form->SaveToFile(dir.File("written.txt"), true);
  EXPECT_EQ(WithoutCR(ReadFileBytes(dir.File("written.txt"))), WithoutCR(ReadFileBytes(kLayout)));
}

TEST(ControlsLayout, ControlsSitWhereTheLayoutPutsThem) {
  THeadlessSession session;
  TOwned<TLayoutProbe> form(new TLayoutProbe(nullptr));
  form->LoadFromFile(kLayout);

  EXPECT_EQ(form->ClientWidth(), 493);
  EXPECT_EQ(form->ClientHeight(), 375);
  EXPECT_EQ(form->Width(), 493 + 6);  // the dialog frame
  EXPECT_EQ(form->TextHeight(), 16);
  auto& notebook = Get<TTabbedNotebook>(*form, "LocaleNotebook");
  ASSERT_EQ(notebook.PageCount(), 5);
  EXPECT_EQ(notebook.FindPage("Options"), notebook.Pages(2));
  EXPECT_TRUE(notebook.Pages(0)->Visible());
  EXPECT_FALSE(notebook.Pages(1)->Visible());
  EXPECT_EQ(notebook.TabFont()->Color(), clBtnText);

  // A page's client area starts at 4, 27 of the notebook.
  auto& combo = Get<TComboBox>(*form, "CbxLang");
  EXPECT_EQ(combo.Parent(), notebook.Pages(0));
  const TPoint origin = notebook.ClientOrigin();
  EXPECT_EQ(combo.ClientOrigin(), (TPoint{origin.X + 4 + 16, origin.Y + 27 + 24}));
  EXPECT_EQ(combo.Style(), csDropDownList);
  EXPECT_EQ(combo.TabOrder(), 2);
  EXPECT_EQ(Get<TListBox>(*form, "PropList").TabOrder(), 0);

  // Stored sizes of auto-sized labels are kept as read; fonts follow the parent
  // unless a control has its own.
  auto& label = Get<TLabel>(*form, "LblLang");
  EXPECT_EQ(label.Width(), 38);
  EXPECT_EQ(label.Font()->Name(), "Arial");
  auto& prop = Get<TLabel>(*form, "LblProp");
  EXPECT_FALSE(prop.ParentFont());
  EXPECT_TRUE(prop.Font()->Style().Contains(fsBold));
  EXPECT_FALSE(prop.AutoSize());

  auto& memo = Get<TMemo>(*form, "EdtTranslation");
  EXPECT_FALSE(memo.Enabled());
  EXPECT_EQ(memo.Color(), clBtnFace);
  EXPECT_TRUE(memo.WantTabs());
  EXPECT_TRUE(memo.OnKeyDown);
  EXPECT_TRUE(Get<TListBox>(*form, "PropList").ShowHint());
  EXPECT_EQ(Get<TListBox>(*form, "DescList").Items()->Count(), 2);
  EXPECT_TRUE(Get<TCheckBox>(*form, "CkxMove").Checked());
  EXPECT_EQ(Get<TLabel>(*form, "LblDisplayFont").Parent(), form->FindComponent("GroupDisplayFont"));
  EXPECT_EQ(Get<TRadioGroup>(*form, "RadioLang").ItemIndex(), 1);
  EXPECT_EQ(Get<TTabSet>(*form, "TabLang").TabIndex(), 0);
  EXPECT_EQ(Get<TOpenDialog>(*form, "OpenDialog1").DefaultExt(), "txt");
  EXPECT_EQ(Get<TFontDialog>(*form, "FontDialog1").Font()->Size(), 8);
  EXPECT_TRUE(Get<TMenuItem>(*form, "MenuEnglish").Checked());
  EXPECT_EQ(Get<TMenuItem>(*form, "MenuEnglish").Parent(), form->FindComponent("MenuLang"));
}
