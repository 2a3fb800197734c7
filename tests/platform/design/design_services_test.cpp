// Component editors, the designer, the palette and WinExec.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/exceptions.h"
#include "platform/design/component_editor.h"
#include "platform/design/designer.h"
#include "platform/design/palette.h"
#include "platform/design/win_exec.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

namespace platform {
namespace {

class TGadget : public TComponent {
  LXV_CLASS(TGadget, TComponent)
 public:
  using TComponent::TComponent;
};
class TSubGadget : public TGadget {
  LXV_CLASS(TSubGadget, TGadget)
 public:
  using TGadget::TGadget;
};
TClass TGadget::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGadget>("TGadget").Build();
  return &info;
}
TClass TSubGadget::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSubGadget>("TSubGadget").Build();
  return &info;
}

// Counts what runs; two verbs.
class TCountingEditor : public TComponentEditor {
  LXV_CLASS(TCountingEditor, TComponentEditor)
 public:
  static inline int Runs[2] = {0, 0};
  int GetVerbCount() override { return 2; }
  std::string GetVerb(int index) override { return index == 0 ? "First" : "Second"; }
  void ExecuteVerb(int index) override { ++Runs[index]; }
};
class TSubEditor : public TCountingEditor {
  LXV_CLASS(TSubEditor, TCountingEditor)
};
TClass TCountingEditor::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCountingEditor>("TCountingEditor").Build();
  return &info;
}
TClass TSubEditor::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSubEditor>("TSubEditor").Build();
  return &info;
}

TEST(ComponentEditorTest, MostDerivedRegistrationWinsAndEditRunsVerbZero) {
  TComponent form(nullptr);
  TDesigner designer(&form);
  TGadget gadget(nullptr);
  TSubGadget sub(nullptr);
  EXPECT_EQ(CreateComponentEditor(&gadget, &designer)->GetVerbCount(), 0);

  RegisterComponentEditor(TSubGadget::StaticClass(), TSubEditor::StaticClass());
  RegisterComponentEditor(TGadget::StaticClass(), TCountingEditor::StaticClass());
  auto editor = CreateComponentEditor(&sub, &designer);
  EXPECT_EQ(editor->ClassName(), "TSubEditor");
  EXPECT_EQ(editor->Component(), &sub);
  EXPECT_EQ(editor->Designer(), &designer);
  auto plain = CreateComponentEditor(&gadget, &designer);
  EXPECT_EQ(plain->ClassName(), "TCountingEditor");
  plain->Edit();
  EXPECT_EQ(TCountingEditor::Runs[0], 1);
  EXPECT_EQ(TCountingEditor::Runs[1], 0);
  EXPECT_THROW(RegisterComponentEditor(TGadget::StaticClass(), TGadget::StaticClass()), EInvalidOperation);
  UnRegisterComponentEditors();
}

TEST(DesignerTest, UniqueNamesAndModified) {
  TComponent form(nullptr);
  form.SetName("Form1");
  TDesigner designer(&form);
  int fired = 0;
  designer.OnModified = [&](TObject*) { ++fired; };
  EXPECT_EQ(designer.UniqueName("TGadget"), "Gadget1");
  (new TGadget(&form))->SetName("Gadget1");
  EXPECT_EQ(designer.UniqueName("TGadget"), "Gadget2");
  EXPECT_EQ(designer.GetComponent("form1"), &form);
  EXPECT_FALSE(designer.IsModified());
  designer.Modified();
  EXPECT_TRUE(designer.IsModified());
  EXPECT_EQ(fired, 1);
}

TEST(PaletteTest, PagesKeepOrderAndRegisterTheClasses) {
  RegisterComponents("Tools", {TGadget::StaticClass()});
  RegisterComponents("tools", {TSubGadget::StaticClass(), TGadget::StaticClass()});
  ASSERT_NE(FindPalettePage("tsubgadget"), nullptr);
  EXPECT_EQ(FindPalettePage("TSubGadget")->Name, "Tools");
  EXPECT_EQ(FindPalettePage("TSubGadget")->Classes.size(), 2u);
  EXPECT_EQ(GetClass("TSubGadget"), TSubGadget::StaticClass());
  EXPECT_THROW(RegisterComponents("Tools", {TObject::StaticClass()}), EInvalidOperation);
  ClearPalette();
  UnRegisterClass(TGadget::StaticClass());
  UnRegisterClass(TSubGadget::StaticClass());
  EXPECT_EQ(FindPalettePage("TGadget"), nullptr);
}

TEST(PaletteTest, BitmapHeaders) {
  // A 2x2 bitmap of 8 bits per pixel with a colour table of 4 entries.
  std::string bmp(54 + 16 + 8, '\0');
  const auto put = [&](std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bmp[at + i] = static_cast<char>(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put(10, 70, 4);
  put(14, 40, 4);
  put(18, 2, 4);
  put(22, static_cast<std::uint32_t>(-2), 4);
  put(28, 8, 2);
  put(46, 4, 4);
  const TBitmapInfo info = ReadBitmapInfo(bmp);
  EXPECT_EQ(info.Width, 2);
  EXPECT_EQ(info.Height, 2);
  EXPECT_EQ(info.Colors, 4);
  EXPECT_THROW(ReadBitmapInfo(bmp.substr(0, 60)), EReadError);
  EXPECT_THROW(ReadBitmapInfo("GIF89a" + bmp), EReadError);

  // Headers alone, whose pixel sizes wrap around 64 bits when multiplied out.
  bmp.resize(54);
  put(10, 54, 4);
  put(18, 1u << 30, 4);
  put(22, 1u << 30, 4);
  put(28, 128, 2);
  EXPECT_THROW(ReadBitmapInfo(bmp), EReadError);
  put(22, 0x80000000u, 4);  // the most negative height has no positive one
  put(28, 64, 2);
  EXPECT_THROW(ReadBitmapInfo(bmp), EReadError);
}

TEST(WinExecTest, ReportsOnlyThroughItsResult) {
  EXPECT_EQ(WinExec("lxv-no-such-program LXV.HLP", SW_HIDE), WINEXEC_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec("", SW_HIDE), WINEXEC_FILE_NOT_FOUND);
  EXPECT_GT(WinExec("\"true\" \"an argument with blanks\"", SW_HIDE), 31u);
}

}  // namespace
}  // namespace platform
