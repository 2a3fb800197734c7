// Property editors: which registration wins, and what the standard editors
// show, offer and write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/reader.h"
#include "platform/classes/strings.h"
#include "platform/design/designer.h"
#include "platform/design/standard_editors.h"
#include "platform/rtti/published.h"

namespace platform {
namespace {

enum TShade { shLight, shDark };
LXV_ENUM(TShade, "shLight", "shDark")

class TPart : public TComponent {
  LXV_CLASS(TPart, TComponent)
 public:
  using TComponent::TComponent;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) {
    if (locked) throw EPropertyError("Part is locked");
    if (v != "refused") text_ = v;
  }
  bool locked = false;
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  char Mark() const { return mark_; }
  void SetMark(char v) { mark_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  TPart* Peer() const { return peer_; }
  void SetPeer(TPart* v) { peer_ = v; }
  TStrings* Lines() const { return nullptr; }
  void SetLines(TStrings*) {}
  TNotifyEvent OnPoke;

 private:
  std::string text_;
  int count_ = 0;
  TShade shade_ = shLight;
  bool flag_ = false;
  char mark_ = 'x';
  TPart* peer_ = nullptr;
};

class TSpecialPart : public TPart {
  LXV_CLASS(TSpecialPart, TPart)
 public:
  using TPart::TPart;
};

TClass TPart::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPart>("TPart")
      .Property("Text", &TPart::Text, &TPart::SetText)
      .Property("Count", &TPart::Count, &TPart::SetCount)
      .Property("Shade", &TPart::Shade, &TPart::SetShade)
      .Property("Flag", &TPart::Flag, &TPart::SetFlag)
      .Property("Mark", &TPart::Mark, &TPart::SetMark)
      .Property("Peer", &TPart::Peer, &TPart::SetPeer)
      .Property("Lines", &TPart::Lines, &TPart::SetLines)
      .Event("OnPoke", &TPart::OnPoke)
      .Build();
  return &info;
}

// A form publishing handlers of two signatures.
class THandlerForm : public TComponent {
  LXV_CLASS(THandlerForm, TComponent)
 public:
  using TComponent::TComponent;
  void Poked(TObject*) {}
  void Counted(int) {}
  void Released(TObject*) {}
};
TClass THandlerForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<THandlerForm>("THandlerForm")
      .Method("Poked", &THandlerForm::Poked)
      .Method("Counted", &THandlerForm::Counted)
      .Method("Released", &THandlerForm::Released)
      .Build();
  return &info;
}
TClass TSpecialPart::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSpecialPart>("TSpecialPart").Build();
  return &info;
}

#define TEST_EDITOR(Name, Base)                                                  \
  class Name : public Base {                                                     \
    LXV_CLASS(Name, Base)                                                        \
  };                                                                             \
  TClass Name::StaticClass() {                                                   \
    static const TClassInfo info = TClassBuilder<Name>(#Name).Build();          \
    return &info;                                                                \
  }
TEST_EDITOR(TAnyStringEditor, TStringProperty)
TEST_EDITOR(TPartStringEditor, TStringProperty)
TEST_EDITOR(TSpecialStringEditor, TStringProperty)
TEST_EDITOR(TTextEditor, TStringProperty)
TEST_EDITOR(TLaterTextEditor, TStringProperty)
TEST_EDITOR(TStringsEditor, TClassProperty)
#undef TEST_EDITOR

class PropertyEditorTest : public ::testing::Test {
 protected:
  void TearDown() override { UnRegisterPropertyEditors(); }
  const TPropInfo& Prop(const char* name) { return *GetPropInfo(TPart::StaticClass(), name); }
  TOwned<TPropertyEditor> Editor(TPart* part, const char* name) { return CreatePropertyEditor(&designer, {part}, Prop(name)); }
  std::vector<std::string> Values(TPropertyEditor& editor) {
    std::vector<std::string> values;
    editor.GetValues([&](const std::string& v) { values.push_back(v); });
    return values;
  }

  TComponent form{nullptr};
  TDesigner designer{&form};
};

TEST_F(PropertyEditorTest, MostSpecificRegistrationWins) {
  TPart part(nullptr);
  TSpecialPart special(nullptr);
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Text")), TStringProperty::StaticClass());

  RegisterPropertyEditor(PropertyTypeOf<std::string>(), nullptr, "", TAnyStringEditor::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), TSpecialPart::StaticClass(), "", TSpecialStringEditor::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), TPart::StaticClass(), "", TPartStringEditor::StaticClass());
  // The more derived component class wins although registered earlier.
  EXPECT_EQ(GetPropertyEditorClass(special, Prop("Text")), TSpecialStringEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Text")), TPartStringEditor::StaticClass());

  // A named property beats every unnamed registration; a later one of the same rank wins.
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), nullptr, "text", TTextEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(special, Prop("Text")), TTextEditor::StaticClass());
  RegisterPropertyEditor(PropertyTypeOf<std::string>(), nullptr, "Text", TLaterTextEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Text")), TLaterTextEditor::StaticClass());

  // A type of another kind, or another name, does not fit.
  RegisterPropertyEditor(PropertyTypeOf<int>(), nullptr, "Text", TAnyStringEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Text")), TLaterTextEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Count")), TIntegerProperty::StaticClass());
}

TEST_F(PropertyEditorTest, ClassTypesMatchDescendants) {
  TPart part(nullptr);
  // Lines is declared as TStrings; an editor for TPersistent fits it, one for a
  // component class does not.
  RegisterPropertyEditor(PropertyTypeOf<TPersistent*>(), nullptr, "", TStringsEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Lines")), TStringsEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Peer")), TStringsEditor::StaticClass());
  UnRegisterPropertyEditors();
  RegisterPropertyEditor(PropertyTypeOf<TStrings*>(), nullptr, "", TStringsEditor::StaticClass());
  EXPECT_EQ(GetPropertyEditorClass(part, Prop("Peer")), TComponentProperty::StaticClass());
  EXPECT_THROW(RegisterPropertyEditor(PropertyTypeOf<int>(), nullptr, "", TPart::StaticClass()), EInvalidOperation);
}

TEST_F(PropertyEditorTest, StringEditorWritesThroughTheWriterAndMarksModified) {
  auto* part = new TPart(&form);
  auto editor = Editor(part, "Text");
  EXPECT_EQ(AttributesToString(editor->GetAttributes()), "[paMultiSelect,paRevertable]");
  editor->SetValue("hello");
  EXPECT_EQ(editor->GetValue(), "hello");
  EXPECT_TRUE(designer.IsModified());
  editor->SetValue("refused");  // the writer keeps its value
  EXPECT_EQ(editor->GetValue(), "hello");
  EXPECT_EQ(editor->GetComponent(0), part);
  EXPECT_THROW(editor->GetComponent(1), EListError);
}

TEST_F(PropertyEditorTest, OrdinalEditors) {
  auto* part = new TPart(&form);
  auto shade = Editor(part, "Shade");
  EXPECT_EQ(Values(*shade), (std::vector<std::string>{"shLight", "shDark"}));
  EXPECT_TRUE(shade->GetAttributes().Contains(paValueList));
  shade->SetValue("shDark");
  EXPECT_EQ(part->Shade(), shDark);
  shade->Edit();  // a value list cycles on
  EXPECT_EQ(shade->GetValue(), "shLight");
  EXPECT_THROW(shade->SetValue("shGrey"), EPropertyError);

  auto flag = Editor(part, "Flag");
  flag->SetValue("true");
  EXPECT_EQ(flag->GetValue(), "True");
  auto count = Editor(part, "Count");
  count->SetValue("-12");
  EXPECT_EQ(part->Count(), -12);
  EXPECT_THROW(count->SetValue("12x"), EConvertError);
  EXPECT_EQ(part->Count(), -12);

  // Character codes are bytes: one above 127 reads back as written, one
  // outside 0..255 is refused, naming the text, and nothing is written.
  auto mark = Editor(part, "Mark");
  mark->SetValue("#200");
  EXPECT_EQ(mark->GetValue(), "#200");
  for (const char* text : {"#256", "#-1", "#4294967361"}) {
    try {
      mark->SetValue(text);
      ADD_FAILURE() << text << " accepted";
    } catch (const EPropertyError& e) {
      EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
    } catch (const EConvertError&) {  // beyond an int: StrToInt refuses it
    }
  }
  EXPECT_EQ(mark->GetValue(), "#200");
}

TEST_F(PropertyEditorTest, ComponentEditorOffersNamedComponentsOfTheFormOfItsClass) {
  auto* part = new TPart(&form);
  part->SetName("Part1");
  (new TComponent(&form))->SetName("Plain1");
  new TPart(&form);  // unnamed
  (new TSpecialPart(&form))->SetName("Special1");
  TComponent otherForm(nullptr);
  (new TPart(&otherForm))->SetName("Elsewhere");

  auto peer = Editor(part, "Peer");
  EXPECT_EQ(Values(*peer), (std::vector<std::string>{"Part1", "Special1"}));
  peer->SetValue("special1");
  EXPECT_EQ(peer->GetValue(), "Special1");
  EXPECT_THROW(peer->SetValue("Plain1"), EPropertyError);
  EXPECT_THROW(peer->SetValue("Elsewhere"), EPropertyError);
  peer->SetValue("");
  EXPECT_EQ(part->Peer(), nullptr);
  EXPECT_EQ(Editor(part, "Lines")->GetValue(), "(TStrings)");
}

TEST_F(PropertyEditorTest, ComponentOfAnotherFormReadsBackAsShown) {
  auto* part = new TPart(&form);
  TComponent otherForm(nullptr);
  otherForm.SetName("Form2");
  auto* button1 = new TPart(&otherForm);
  button1->SetName("Button1");
  (new TPart(&otherForm))->SetName("Button2");
  part->SetPeer(button1);
  auto peer = Editor(part, "Peer");
  ASSERT_EQ(peer->GetValue(), "Form2.Button1");
  // No lookup finds Form2: the text shown still names the component set.
  peer->SetValue(peer->GetValue());
  EXPECT_EQ(part->Peer(), button1);
  EXPECT_THROW(peer->SetValue("Form2.Button2"), EPropertyError);

  // Other forms are found as references in form files find them.
  const TRootLookup saved = SetGlobalRootLookup(
      [&](const std::string& name) { return SameText(name, "Form2") ? &otherForm : nullptr; });
  const TScopeExit restore([&] { SetGlobalRootLookup(saved); });
  peer->SetValue("form2.button2");
  EXPECT_EQ(peer->GetValue(), "Form2.Button2");
  EXPECT_THROW(peer->SetValue("Form2.Button3"), EPropertyError);
  EXPECT_THROW(peer->SetValue("Form3.Button1"), EPropertyError);
}

TEST_F(PropertyEditorTest, MethodEditorOffersOnlyHandlersThatFitTheEvent) {
  THandlerForm handlers(nullptr);
  TDesigner handlerDesigner(&handlers);
  auto* part = new TPart(&handlers);
  auto event = CreatePropertyEditor(&handlerDesigner, {part}, Prop("OnPoke"));
  const std::vector<std::string> offered = Values(*event);
  EXPECT_EQ(offered, (std::vector<std::string>{"Poked", "Released"}));
  for (const std::string& name : offered) event->SetValue(name);  // each one binds
  EXPECT_EQ(event->GetValue(), "Released");
  EXPECT_THROW(event->SetValue("Counted"), EPropertyError);
}

TEST_F(PropertyEditorTest, SeveralSelectedComponents) {
  auto* a = new TPart(&form);
  auto* b = new TPart(&form);
  auto editor = CreatePropertyEditor(&designer, {a, b}, Prop("Count"));
  editor->SetValue("7");
  EXPECT_EQ(a->Count(), 7);
  EXPECT_EQ(b->Count(), 7);
  EXPECT_TRUE(editor->AllEqual());
  b->SetCount(8);
  EXPECT_FALSE(editor->AllEqual());

  // A writer that raises partway: the error reaches the caller, and the
  // designer still learns that the components before it changed.
  b->locked = true;
  designer.ClearModified();
  EXPECT_THROW(CreatePropertyEditor(&designer, {a, b}, Prop("Text"))->SetValue("new"), EPropertyError);
  EXPECT_EQ(a->Text(), "new");
  EXPECT_TRUE(designer.IsModified());
  // An error the designer's handler raises reaches the caller, unless a writer's is already on its way.
  designer.OnModified = [](TObject*) { throw EInvalidOperation("handler"); };
  EXPECT_THROW(CreatePropertyEditor(&designer, {a, b}, Prop("Text"))->SetValue("newer"), EPropertyError);
  EXPECT_THROW(CreatePropertyEditor(&designer, {a}, Prop("Text"))->SetValue("newer"), EInvalidOperation);
}

TEST_F(PropertyEditorTest, GetterOfAnotherKindRaisesAFrameworkError) {
  auto text = Editor(new TPart(&form), "Text");
  EXPECT_THROW(text->GetOrdValue(), EPropertyError);
  EXPECT_THROW(text->GetObjValue(), EPropertyError);
  try {
    text->GetMethodValue();
    ADD_FAILURE() << "no error";
  } catch (const EPropertyError& e) {
    EXPECT_NE(std::string(e.what()).find("Text"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace platform
