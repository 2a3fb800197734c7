// Reading form vectors into components and writing components back.
#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"
#include "platform/classes/reader.h"
#include "platform/streaming/streams.h"
#include "platform/classes/writer.h"
#include "support/form_vectors.h"
#include "support/vec_classes.h"

using namespace platform;
using namespace lxvtest;

namespace {

class FormObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterVecClasses();
    LoadedLog().clear();
  }
  void TearDown() override {
    for (TComponent* c : owned_) c->Free();
  }

  TVecForm* Read(const std::string& bytes, TComponent* owner = nullptr) {
    TMemoryStream stream(bytes);
    TReader reader(stream);
    auto* form = static_cast<TVecForm*>(reader.ReadRootComponent(nullptr, owner));
    if (owner == nullptr) owned_.push_back(form);
    return form;
  }
  static std::string Write(TComponent* root) {
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteRootComponent(root);
    return stream.Data();
  }
  template <class T>
  static T* Find(TComponent* root, const char* name) {
    auto* c = As<T>(root->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  std::vector<TComponent*> owned_;
};

}  // namespace

TEST_F(FormObjects, IntegersOfEveryWidthAndWriteBack) {
  const std::string bytes = FormFixture("g01_ints.bin");
  TVecForm* form = Read(bytes);
  EXPECT_EQ(form->Name(), "IntsForm");
  EXPECT_EQ(form->Tag(), std::int64_t{1} << 40);
  auto* ints = Find<TVecInts>(form, "Ints1");
  EXPECT_EQ(ints->Tag(), -7);
  EXPECT_EQ(ints->Min32, INT32_MIN);
  EXPECT_EQ(ints->Def5Same, 5);
  EXPECT_EQ(ints->Def5Other, 0);
  EXPECT_EQ(ints->ShortVal, -100);
  EXPECT_EQ(ints->ByteVal, 200);
  EXPECT_EQ(ints->WordVal, 65535);
  EXPECT_EQ(ints->CardVal, 4294967295u);
  EXPECT_EQ(ints->I64Big, 9007199254740993);
  EXPECT_EQ(ints->QWordVal, UINT64_MAX);
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, EnumerationsSetsCharsIdentsAndWriteBack) {
  const std::string bytes = FormFixture("g02_misc.bin");
  TVecForm* form = Read(bytes);
  EXPECT_EQ(form->Color, -16777201);
  EXPECT_EQ(form->BorderStyle, bsDialog);
  auto* misc = Find<TVecMisc>(form, "Misc1");
  EXPECT_TRUE(misc->BoolTrue);
  EXPECT_FALSE(misc->BoolDefTrueIsFalse);
  EXPECT_EQ(misc->AlignLast, alClient);
  EXPECT_EQ(misc->Border, bsToolWindow);
  EXPECT_EQ(misc->StylesAll, (TVecFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}));
  EXPECT_EQ(misc->Anchors, (TVecAnchors{akLeft, akBottom}));
  EXPECT_EQ(misc->AnchorsDef, (TVecAnchors{akLeft, akTop}));
  EXPECT_EQ(misc->CharQuote, '\'');
  EXPECT_EQ(misc->CharHigh, '\xE9');
  EXPECT_EQ(misc->CharNul, '\0');
  EXPECT_EQ(misc->WideCh, u'\x20AC');
  EXPECT_EQ(misc->ColorNamed, 0xFF);
  EXPECT_EQ(misc->ColorNumber, 0x123456);
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, UnknownPropertiesCanBeSkipped) {
  std::string text = FormFixture("g02_misc.txt");
  const std::string from = "WideCh = #8364";
  text.replace(text.find(from), from.size(), "Unheard = #8364");
  TMemoryStream stream(FormContentToBinary(text));
  TReader reader(stream);
  std::vector<std::string> skipped;
  reader.OnError = [&](const std::string& message, bool& handled) {
    skipped.push_back(message);
    handled = true;
  };
  auto* form = static_cast<TVecForm*>(reader.ReadRootComponent(nullptr));
  owned_.push_back(form);
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_NE(skipped[0].find("Property Unheard of MiscForm.Misc1 does not exist"), std::string::npos) << skipped[0];
  auto* misc = Find<TVecMisc>(form, "Misc1");
  EXPECT_EQ(misc->WideCh, 0);
  EXPECT_EQ(misc->CharHigh, '\xE9');  // #233 in text is a one-unit wide string
  EXPECT_EQ(misc->ColorNumber, 0x123456);  // read on after the skipped value
}

TEST_F(FormObjects, StringListsAreFilledInPlace) {
  const std::string bytes = FormFixture("g05_stringlist.bin");
  TVecForm* form = Read(bytes);
  auto* memo = Find<TVecMemo>(form, "Memo1");
  ASSERT_EQ(memo->LinesObj.Count(), 6);
  EXPECT_EQ(memo->LinesObj.Strings(3), "tab\there");
  EXPECT_EQ(memo->LinesObj.Strings(4).size(), 300u);
  EXPECT_EQ(memo->EmptyLinesObj.Count(), 0);
  EXPECT_EQ(Find<TVecMemo>(form, "Memo2")->LinesObj.Strings(0), "only one");
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, SubObjectsByPathAndTheirDefaults) {
  const std::string bytes = FormFixture("g07_persistent.bin");
  TVecForm* form = Read(bytes);
  auto* label = Find<TVecLabel>(form, "Label1");
  EXPECT_EQ(label->FontObj.Name, "Tahoma");
  EXPECT_EQ(label->FontObj.Style, (TVecFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(label->FontObj.ShadowObj.Color, 0xFF00);
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, DefinedPropertiesWithAndWithoutData) {
  const std::string bytes = FormFixture("g09_defined.bin");
  TVecForm* form = Read(bytes);
  EXPECT_TRUE(form->HasStorage);
  EXPECT_EQ(Find<TVecPanel>(form, "Panel1")->Storage, 70000);
  auto* edit = Find<TVecEdit>(form, "Edit1");
  EXPECT_EQ(edit->DesignLeft(), 120);
  EXPECT_EQ(edit->DesignTop(), 300);
  EXPECT_EQ(edit->Blob, "\xFF");
  auto* button = Find<TVecButton>(form, "Button1");
  EXPECT_EQ(button->Blob.size(), 40u);
  EXPECT_FALSE(button->HasStorage);
  EXPECT_EQ(button->GetParentComponent(), form->FindComponent("Panel1"));
  EXPECT_EQ(Write(form), bytes);
  // Without data nothing is written: the property is absent, not empty.
  edit->Blob.clear();
  edit->HasStorage = false;
  const TFormObject written = DecodeBinaryForm(Write(form));
  for (const TFormProperty& p : written.Children.at(1).Properties) EXPECT_TRUE(p.Name == "Left" || p.Name == "Top") << p.Name;
}

TEST_F(FormObjects, NestingFollowsParentsAndLoadedRunsInCreationOrder) {
  const std::string bytes = FormFixture("g10_nested.bin");
  TVecForm* form = Read(bytes);
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"NestForm", "Panel1", "Label1", "Panel2", "Button1", "Panel3",
                                                   "Edit1", "Button2"}));
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* c = static_cast<TVecBase*>(form->Components(i));
    EXPECT_TRUE(c->LoadingDuringLoaded);
    EXPECT_FALSE(c->HasState(csLoading));
    EXPECT_FALSE(c->HasState(csReading));
    EXPECT_EQ(c->Owner(), form);
  }
  EXPECT_EQ(Find<TVecEdit>(form, "Edit1")->GetParentComponent(), form->FindComponent("Panel3"));
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, ReferencesAcrossFormsAndEventsBoundByName) {
  // DataMod1.Table1 lives in another form the application already has.
  auto* dataModule = new TVecForm(&Application());
  owned_.push_back(dataModule);
  dataModule->SetName("DataMod1");
  auto* table = new TVecEdit(dataModule);
  table->SetName("Table1");

  const std::string bytes = FormFixture("g06_refs_events.bin");
  TVecForm* form = Read(bytes);
  auto* link1 = Find<TVecLink>(form, "Link1");
  auto* link2 = Find<TVecLink>(form, "Link2");
  EXPECT_EQ(link1->Target, form->FindComponent("Button1"));
  EXPECT_EQ(link1->Target2, form);
  EXPECT_EQ(link1->NilTarget, nullptr);
  EXPECT_EQ(link2->Target, table);
  EXPECT_EQ(link2->Target2, form->FindComponent("Label1"));
  EXPECT_EQ(Find<TVecLabel>(form, "Label1")->FocusControl, form->FindComponent("Edit1"));

  auto* button = Find<TVecButton>(form, "Button1");
  auto* edit = Find<TVecEdit>(form, "Edit1");
  button->OnClick(button);
  edit->OnChange(edit);
  form->OnCreate(form);
  EXPECT_EQ(form->Calls, (std::vector<std::string>{"ButtonClick:Button1", "EditChange:Edit1", "FormCreate:RefForm"}));
  EXPECT_EQ(button->OnClick.MethodName(), "ButtonClick");
  EXPECT_EQ(Write(form), bytes);
}

TEST_F(FormObjects, StoredTestAndDefaultsSuppressProperties) {
  auto* form = new TVecForm(nullptr);
  owned_.push_back(form);
  form->SetName("F");
  form->Visible = false;  // equals its default
  form->BorderStyle = bsDialog;
  const TFormObject written = DecodeBinaryForm(Write(form));
  std::vector<std::string> names;
  for (const TFormProperty& p : written.Properties) names.push_back(p.Name);
  // Name is stored false (it is in the header); Caption is empty; Width and
  // Height have no default and are written even as 0.
  EXPECT_EQ(names, (std::vector<std::string>{"Width", "Height", "BorderStyle"}));
}

TEST_F(FormObjects, TextFormsLoadLikeBinaryOnes) {
  TVecForm* fromText = Read(FormContentToBinary(FormFixture("g09_defined.txt")));
  EXPECT_EQ(Find<TVecPanel>(fromText, "Panel1")->Storage, 70000);
}

TEST_F(FormObjects, UnknownClassPropertyMethodAndReferenceRaise) {
  const std::string good = FormFixture("g10_nested.txt");
  const auto bad = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return FormContentToBinary(text);
  };
  const struct {
    std::string bytes;
    const char* message;
  } cases[] = {
      {bad("TVecLabel", "TVecNothing"), "Class TVecNothing not found"},
      {bad("Text = 'deepest'", "Colour = 1"), "Property Colour of NestForm.Edit1 does not exist"},
      {bad("Caption = 'on form'", "OnClick = Nowhere"), "Method Nowhere not found in TVecForm"},
      {bad("Caption = 'inner'", "Align = alSideways"), "Invalid value alSideways for property Align"},
      {bad("Caption = 'on form'", "Caption = 3"), "Expected a string but found vaInt8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const int before = Application().ComponentCount();
    try {
      Read(c.bytes, &Application());
      ADD_FAILURE() << "accepted";
    } catch (const EFilerError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(Application().ComponentCount(), before);
  }
  const std::string refs = FormFixture("g06_refs_events.bin");
  try {
    Read(refs, &Application());  // DataMod1 is not there this time
    ADD_FAILURE() << "accepted";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("Unresolved reference to DataMod1.Table1 in RefForm.Link2.Target"),
              std::string::npos)
        << e.what();
  }
}

TEST_F(FormObjects, FailedReadIntoExistingRootKeepsWhatWasThere) {
  auto* form = new TVecForm(nullptr);
  owned_.push_back(form);
  auto* own = new TVecButton(form);
  own->SetName("Mine");
  std::string bytes = FormFixture("g10_nested.bin");
  bytes.resize(bytes.size() - 30);
  TMemoryStream stream(bytes);
  TReader reader(stream);
  EXPECT_THROW(reader.ReadRootComponent(form), EReadError);
  ASSERT_EQ(form->ComponentCount(), 1);  // the components the read created are gone
  EXPECT_EQ(form->Components(0), own);
  EXPECT_FALSE(form->HasState(csLoading));
  EXPECT_FALSE(form->HasState(csReading));
}
