// Published fields the reader fills in, the casts, and the state a root the
// reader constructs starts with.
#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/classes/reader.h"
#include "platform/form_files/form_text.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"
#include "platform/streaming/streams.h"
#include "support/vec_classes.h"

using namespace platform;
using namespace lxvtest;

namespace {

// A dialog that reaches its controls by member.
class TFieldDialog : public TVecForm {
  LXV_CLASS(TFieldDialog, TVecForm)
 public:
  explicit TFieldDialog(TComponent* owner) : TVecForm(owner), ConstructedLoading(HasState(csLoading)) {}
  TVecLabel* Title = nullptr;
  TVecButton* BtnOK = nullptr;
  bool ConstructedLoading;
};

TClass TFieldDialog::StaticClass() {
  static const TClassInfo info = TClassBuilder<TFieldDialog>("TFieldDialog")
      .Field("Title", &TFieldDialog::Title)
      .Field("BtnOK", &TFieldDialog::BtnOK)
      .Build();
  return &info;
}

class PublishedFields : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterVecClasses();
    RegisterClass(TFieldDialog::StaticClass());
  }
  static TComponent* Read(const std::string& text, TComponent* root) {
    TMemoryStream stream(FormContentToBinary(text));
    return TReader(stream).ReadRootComponent(root);
  }
};

constexpr char kDialog[] =
    "object Dlg: TFieldDialog\n"
    "  object Title: TVecLabel\n  end\n"
    "  object BtnOK: TVecButton\n    Caption = 'OK'\n  end\n"
    "  object BtnCancel: TVecButton\n  end\n"
    "end\n";

TEST_F(PublishedFields, TheReaderSetsTheFieldsOfTheChildrenItCreatesOrFinds) {
  TOwned<TFieldDialog> dialog(As<TFieldDialog>(Read(kDialog, nullptr)));
  EXPECT_TRUE(dialog->ConstructedLoading);  // the reader brings the layout
  EXPECT_FALSE(dialog->HasState(csLoading));
  ASSERT_NE(dialog->BtnOK, nullptr);
  EXPECT_EQ(dialog->BtnOK, dialog->FindComponent("BtnOK"));
  EXPECT_EQ(dialog->BtnOK->Caption, "OK");
  EXPECT_EQ(dialog->Title, dialog->FindComponent("Title"));

  // Constructed by code, nothing is loading; an inherited child is found and bound.
  TOwned<TFieldDialog> plain(new TFieldDialog(nullptr));
  EXPECT_FALSE(plain->ConstructedLoading);
  auto* ok = new TVecButton(plain.get());
  ok->SetName("BtnOK");
  EXPECT_EQ(plain->BtnOK, nullptr);  // only the reader binds
  Read("inherited Dlg: TFieldDialog\n  inherited BtnOK: TVecButton\n    Caption = 'Go'\n  end\nend\n", plain.get());
  EXPECT_EQ(plain->BtnOK, ok);
  EXPECT_EQ(ok->Caption, "Go");
}

TEST_F(PublishedFields, AFieldNeverKeepsAComponentThatIsGone) {
  TOwned<TFieldDialog> dialog(As<TFieldDialog>(Read(kDialog, nullptr)));
  dialog->BtnOK->Free();
  EXPECT_EQ(dialog->BtnOK, nullptr);
  EXPECT_NE(dialog->Title, nullptr);

  // A child of the wrong class fails the read, and the children it had
  // created leave no field behind.
  TFieldDialog target(nullptr);
  try {
    Read("object Dlg: TFieldDialog\n  object Title: TVecLabel\n  end\n  object BtnOK: TVecLabel\n  end\nend\n", &target);
    FAIL() << "a TVecLabel was accepted for a TVecButton field";
  } catch (const EReadError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("BtnOK"), std::string::npos) << message;
    EXPECT_NE(message.find("TVecLabel is not a TVecButton"), std::string::npos) << message;
  }
  EXPECT_EQ(target.Title, nullptr);
  EXPECT_EQ(target.BtnOK, nullptr);
  EXPECT_EQ(target.ComponentCount(), 0);
}

TEST(Casts, DynCastGivesNilAndAsRaisesNamingBothClasses) {
  TVecForm form(nullptr);
  auto* label = new TVecLabel(&form);
  TObject* object = label;
  const TObject* constObject = label;
  EXPECT_EQ(DynCast<TVecBase>(object), label);
  EXPECT_EQ(DynCast<TVecLabel>(constObject), label);
  EXPECT_EQ(DynCast<TVecButton>(object), nullptr);
  EXPECT_EQ(DynCast<TVecButton>(static_cast<TObject*>(nullptr)), nullptr);
  EXPECT_EQ(As<TVecBase>(object), label);
  EXPECT_EQ(As<TVecButton>(static_cast<TObject*>(nullptr)), nullptr);  // nil stays nil
  try {
    As<TVecButton>(constObject);
    FAIL() << "no EInvalidCast";
  } catch (const EInvalidCast& e) {
    EXPECT_STREQ(e.what(), "Invalid class typecast: TVecLabel is not a TVecButton");
  }
}

}  // namespace
