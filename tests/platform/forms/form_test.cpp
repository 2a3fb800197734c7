// TForm: empty, from a form file, from a linked form resource; and formconv.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/forms/application.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/forms/form.h"
#include "platform/form_files/form_text.h"
#include "platform/rtti/published.h"
#include "platform/rtti/class_registry.h"
#include "support/form_vectors.h"
#include "support/temp_dir.h"
#include "support/vec_classes.h"

using namespace platform;

namespace {

// A form whose layout is linked as the resource TLAYOUTFORM, built from
// TLayoutForm.txt beside this file.
class TLayoutForm : public TForm {
  LXV_CLASS(TLayoutForm, TForm)
 public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner) { InitFromResource(); }
  void FormCreate(TObject*) { ++created; }
  void OkClick(TObject*) { ++clicks; }
  int created = 0;
  int clicks = 0;
};

void RegisterLayout() {
  lxvtest::RegisterVecClasses();
  RegisterClass(TLayoutForm::StaticClass());
}

}  // namespace

TClass TLayoutForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TLayoutForm>("TLayoutForm")
      .Method("FormCreate", &TLayoutForm::FormCreate)
      .Method("OkClick", &TLayoutForm::OkClick)
      .Build();
  return &info;
}

TEST(Forms, LayoutFromALinkedResourceBindsHandlersByName) {
  RegisterLayout();
  TOwned<TLayoutForm> form(new TLayoutForm(nullptr));
  EXPECT_EQ(form->Caption(), "Layout");
  EXPECT_EQ(form->Width(), 493);
  EXPECT_EQ(form->created, 1);  // OnCreate fired once the layout was read
  auto* ok = As<lxvtest::TVecButton>(form->FindComponent("BtnOK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Owner(), form.get());
  ok->OnClick(ok);
  EXPECT_EQ(form->clicks, 1);
}

TEST(Forms, CreatedFromResourceOwnedByTheApplication) {
  RegisterLayout();
  const int before = Application().ComponentCount();
  TForm* form = TForm::CreateFromResource("TLAYOUTFORM", &Application());
  EXPECT_EQ(Application().ComponentCount(), before + 1);
  EXPECT_EQ(form->Owner(), &Application());
  EXPECT_TRUE(Is<TLayoutForm>(form));
  form->Free();
  EXPECT_EQ(Application().ComponentCount(), before);
  EXPECT_THROW(TForm::CreateFromResource("TNOSUCHFORM", &Application()), EReadError);
}

TEST(Forms, EmptyFormSavedAndLoadedInBothFormats) {
  testing_support::TempDir dir;
  TOwned<TForm> form(new TForm(nullptr));
  form->SetName("Empty1");
  form->SetCaption("Nothing here");
  form->SaveToFile(dir.File("empty.txt"), true);
  form->SaveToFile(dir.File("empty.bin"));
  EXPECT_EQ(TestFormFormat(ReadFileBytes(dir.File("empty.txt"))), TFormFormat::Text);
  EXPECT_EQ(ReadFileBytes(dir.File("empty.bin")).substr(0, 4), "TPF0");
  for (const char* file : {"empty.txt", "empty.bin"}) {
    TOwned<TForm> loaded(new TForm(nullptr));
    loaded->LoadFromFile(dir.File(file));
    EXPECT_EQ(loaded->Name(), "Empty1");
    EXPECT_EQ(loaded->Caption(), "Nothing here");
    EXPECT_EQ(loaded->ComponentCount(), 0);
  }
}

TEST(Forms, PlainFormsAreRegisteredAndCreatedFromFiles) {
  ASSERT_EQ(GetClass("TForm"), TForm::StaticClass());
  testing_support::TempDir dir;
  {
    TOwned<TForm> form(new TForm(nullptr));
    form->SetName("Plain1");
    form->SetCaption("plain");
    form->SaveToFile(dir.File("plain.txt"), true);
  }
  TOwned<TForm> form(TForm::CreateFromFile(dir.File("plain.txt"), nullptr));
  EXPECT_EQ(form->ClassType(), TForm::StaticClass());
  EXPECT_EQ(form->Caption(), "plain");
}

TEST(Forms, CreateFromFileRequiresAFormClass) {
  RegisterLayout();
  const std::string layout = std::string(LXV_TEST_SOURCE_DIR) + "/platform/forms/TLayoutForm.txt";
  TOwned<TForm> form(TForm::CreateFromFile(layout, nullptr));
  EXPECT_EQ(form->ClassName(), "TLayoutForm");
  // A vector's root is a component but not a form.
  const int before = Application().ComponentCount();
  EXPECT_THROW(TForm::CreateFromFile(lxvtest::FormFixturePath("g10_nested.bin"), &Application()), EReadError);
  EXPECT_EQ(Application().ComponentCount(), before);
}

TEST(Forms, FormconvRoundTripsAndFailsWithoutPartialOutput) {
  const std::filesystem::path tool = std::filesystem::path(LXV_TEST_BINARY_DIR) / ".." / "bin" / "formconv";
  if (!std::filesystem::exists(tool)) GTEST_SKIP() << "formconv not built";
  testing_support::TempDir dir;
  const auto run = [&](const std::string& args) { return std::system((tool.string() + " " + args + " 2>/dev/null").c_str()); };
  const std::string vector = lxvtest::FormFixturePath("g06_refs_events.bin");
  EXPECT_EQ(run(vector + " " + dir.File("a.txt")), 0);
  EXPECT_EQ(run(dir.File("a.txt") + " " + dir.File("b.bin")), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("b.bin")), lxvtest::FormFixture("g06_refs_events.bin"));
  EXPECT_EQ(run("--to-binary " + lxvtest::FormFixturePath("g01_ints.res") + " " + dir.File("c.bin")), 0);
  EXPECT_EQ(ReadFileBytes(dir.File("c.bin")), lxvtest::FormFixture("g01_ints.bin"));
  EXPECT_NE(run(lxvtest::FormFixturePath("g03_strings.bin") + " " + dir.File("d.txt")), 0);
  EXPECT_FALSE(FileExists(dir.File("d.txt")));
  EXPECT_NE(run("--sideways a b"), 0);
}
