// Published properties: declaration, inheritance, access by name, events.
#include <gtest/gtest.h>

#include "platform/classes/component.h"
#include "platform/rtti/published.h"
#include "platform/rtti/class_registry.h"
#include "platform/rtti/register_class.h"
#include "platform/classes/strings.h"

using namespace platform;

namespace {

enum class TShade { Light, Dark, Night };
LXV_ENUM(TShade, "shLight", "shDark", "shNight")

class TBase : public TComponent {
  LXV_CLASS(TBase, TComponent)
 public:
  using TComponent::TComponent;
  int Width() const { return width_; }
  void SetWidth(int v) { width_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }

 private:
  int width_ = 0;
  std::string caption_;
};

class TDerived : public TBase {
  LXV_CLASS(TDerived, TBase)
 public:
  explicit TDerived(TComponent* owner) : TBase(owner) { lines_.Add("x"); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  TSet<TShade> Shades() const { return shades_; }
  void SetShades(TSet<TShade> v) { shades_ = v; }
  TStrings* Lines() const { return const_cast<TStringList*>(&lines_); }
  void SetLines(TStrings* v) { lines_.Assign(v); }
  TComponent* Link() const { return link_; }
  void SetLink(TComponent* v) { link_ = v; }
  bool StoreLines() const { return lines_.Count() > 1; }
  void Clicked(TObject* sender) { lastSender = sender; }

  TNotifyEvent OnClick;
  TObject* lastSender = nullptr;

 private:
  bool enabled_ = true;
  TShade shade_ = TShade::Light;
  TSet<TShade> shades_;
  TStringList lines_;
  TComponent* link_ = nullptr;
};

TClass TBase::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBase>("TBase")
      .Property("Width", &TBase::Width, &TBase::SetWidth)
      .Property("Caption", &TBase::Caption, &TBase::SetCaption)
      .Build();
  return &info;
}

TClass TDerived::StaticClass() {
  static const TClassInfo info = TClassBuilder<TDerived>("TDerived")
      .Property("Enabled", &TDerived::Enabled, &TDerived::SetEnabled).Default(1)
      .Property("Shade", &TDerived::Shade, &TDerived::SetShade)
      .Property("Shades", &TDerived::Shades, &TDerived::SetShades)
      .Property("Lines", &TDerived::Lines, &TDerived::SetLines).Stored(&TDerived::StoreLines)
      .Property("Link", &TDerived::Link, &TDerived::SetLink)
      .Event("OnClick", &TDerived::OnClick)
      .Method("Clicked", &TDerived::Clicked)
      .Build();
  return &info;
}

}  // namespace

TEST(Published, PropertiesAreInheritedInDeclarationOrder) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TDerived::StaticClass()->AllProperties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Width", "Caption", "Enabled", "Shade", "Shades",
                                             "Lines", "Link", "OnClick"}));
  EXPECT_NE(GetPropInfo(TDerived::StaticClass(), "width"), nullptr);   // inherited, any case
  EXPECT_EQ(GetPropInfo(TBase::StaticClass(), "Enabled"), nullptr);    // not on the ancestor
  EXPECT_EQ(GetPropInfo(TDerived::StaticClass(), "Missing"), nullptr);
  EXPECT_EQ(GetPropInfo(static_cast<TObject*>(nullptr), "Width"), nullptr);
}

TEST(Published, KindsFollowTheValueTypes) {
  auto kind = [](const char* name) { return GetPropInfo(TDerived::StaticClass(), name)->Kind; };
  EXPECT_EQ(kind("Width"), TTypeKind::Integer);
  EXPECT_EQ(kind("Tag"), TTypeKind::Int64);
  EXPECT_EQ(kind("Caption"), TTypeKind::String);
  EXPECT_EQ(kind("Enabled"), TTypeKind::Boolean);
  EXPECT_EQ(kind("Shade"), TTypeKind::Enumeration);
  EXPECT_EQ(kind("Shades"), TTypeKind::Set);
  EXPECT_EQ(kind("Lines"), TTypeKind::Class);
  EXPECT_EQ(kind("Link"), TTypeKind::Component);
  EXPECT_EQ(kind("OnClick"), TTypeKind::Method);
  EXPECT_EQ(GetPropInfo(TDerived::StaticClass(), "Lines")->PropClass(), TStrings::StaticClass());
  EXPECT_EQ(GetEnumName(*GetPropInfo(TDerived::StaticClass(), "Shade")->Enum, 2), "shNight");
  EXPECT_EQ(GetEnumValue(*GetPropInfo(TDerived::StaticClass(), "Shade")->Enum, "SHDARK"), 1);
}

TEST(Published, OrdinalAndStringAccessByName) {
  TOwned<TDerived> d(new TDerived(nullptr));
  SetOrdProp(d.get(), "Width", 640);
  SetOrdProp(d.get(), "Enabled", 0);
  SetOrdProp(d.get(), "Shade", 2);
  SetOrdProp(d.get(), "Shades", 0b101);
  SetStrProp(d.get(), "Caption", "Hello");
  EXPECT_EQ(d->Width(), 640);
  EXPECT_FALSE(d->Enabled());
  EXPECT_EQ(d->Shade(), TShade::Night);
  EXPECT_TRUE(d->Shades().Contains(TShade::Light) && d->Shades().Contains(TShade::Night));
  EXPECT_EQ(GetOrdProp(d.get(), "shade"), 2);
  EXPECT_EQ(GetStrProp(d.get(), "Caption"), "Hello");
  EXPECT_THROW(GetOrdProp(d.get(), "Caption"), EPropertyError);  // wrong kind
  EXPECT_THROW(SetOrdProp(d.get(), "Nope", 1), EPropertyError);
}

TEST(Published, ObjectPropertiesCheckTheClass) {
  TOwned<TDerived> d(new TDerived(nullptr));
  TOwned<TComponent> other(new TComponent(nullptr));
  SetObjectProp(d.get(), "Link", other.get());
  EXPECT_EQ(d->Link(), other.get());
  TStringList list;
  EXPECT_THROW(SetObjectProp(d.get(), "Link", &list), EPropertyError);
  list.Add("a");
  list.Add("b");
  SetObjectProp(d.get(), "Lines", &list);  // a class property is edited in place
  EXPECT_EQ(d->Lines()->Count(), 2);
}

TEST(Published, StoredTestDecides) {
  TOwned<TDerived> d(new TDerived(nullptr));
  const TPropInfo* lines = GetPropInfo(d.get(), "Lines");
  EXPECT_FALSE(lines->IsStored(*d));
  d->Lines()->Add("y");
  EXPECT_TRUE(lines->IsStored(*d));
  EXPECT_FALSE(GetPropInfo(d.get(), "Name")->IsStored(*d));
  EXPECT_TRUE(GetPropInfo(d.get(), "Width")->IsStored(*d));
  EXPECT_FALSE(GetPropInfo(d.get(), "Width")->Default.has_value());
  EXPECT_EQ(GetPropInfo(d.get(), "Enabled")->Default, 1);
}

TEST(Published, EventsBindToPublishedMethodsByName) {
  TOwned<TDerived> form(new TDerived(nullptr));
  TOwned<TDerived> button(new TDerived(nullptr));
  const TMethodInfo* m = form->ClassType()->FindMethod("clicked");
  ASSERT_NE(m, nullptr);
  SetMethodProp(button.get(), "OnClick", TMethod{form.get(), m->Name, m->Bind(*form)});
  button->OnClick(button.get());
  EXPECT_EQ(form->lastSender, button.get());
  EXPECT_EQ(GetMethodProp(button.get(), "OnClick").Name, "Clicked");
  EXPECT_EQ(button->OnClick.Data(), form.get());

  // A callable of another signature does not fit the event.
  std::function<void(int)> wrong = [](int) {};
  EXPECT_THROW(SetMethodProp(button.get(), "OnClick", TMethod{nullptr, "X", std::any(wrong)}), EPropertyError);
  SetMethodProp(button.get(), "OnClick", TMethod{});
  EXPECT_FALSE(button->OnClick);
  button->OnClick = [](TObject*) {};  // code may assign an anonymous handler
  EXPECT_TRUE(GetMethodProp(button.get(), "OnClick").Name.empty());
}

TEST(Published, RegistryFindsClassesByNameAndConstructsThem) {
  RegisterClass(TDerived::StaticClass());
  EXPECT_EQ(GetClass("tderived"), TDerived::StaticClass());
  EXPECT_EQ(GetClass("TUnknown"), nullptr);
  EXPECT_THROW(FindClass("TUnknown"), EClassNotFound);
  TOwned<TComponent> owner(new TComponent(nullptr));
  TObject* made = FindClass("TDerived")->Construct(owner.get());
  EXPECT_TRUE(Is<TDerived>(made));
  EXPECT_EQ(owner->ComponentCount(), 1);
  UnRegisterClass(TDerived::StaticClass());
  EXPECT_EQ(GetClass("TDerived"), nullptr);
}

namespace {
// Published and registered in the one statement a form's source file uses.
class TOneLineForm : public TComponent {
  LXV_CLASS(TOneLineForm, TComponent)
 public:
  using TComponent::TComponent;
  void Clicked(TObject* sender) { lastSender = sender; }
  TComponent* Part = nullptr;
  TObject* lastSender = nullptr;
};
LXV_REGISTER_CLASS(TOneLineForm, LXV_FIELD(Part) LXV_METHOD(Clicked));
}  // namespace

TEST(Published, OneLineRegistrationPublishesFieldsAndMethodsAtLoad) {
  ASSERT_EQ(GetClass("TOneLineForm"), TOneLineForm::StaticClass());
  TClass cls = TOneLineForm::StaticClass();
  EXPECT_EQ(cls->Name, "TOneLineForm");
  EXPECT_EQ(cls->Parent, TComponent::StaticClass());
  TOwned<TComponent> made(As<TComponent>(cls->Construct(nullptr)));
  auto& form = *As<TOneLineForm>(made.get());
  TOwned<TComponent> part(new TComponent(nullptr));
  const TFieldInfo* field = cls->FindField("Part");
  ASSERT_NE(field, nullptr);
  field->Set(form, part.get());
  EXPECT_EQ(form.Part, part.get());
  const TMethodInfo* method = cls->FindMethod("Clicked");
  ASSERT_NE(method, nullptr);
  std::any_cast<std::function<void(TObject*)>>(method->Bind(form))(part.get());
  EXPECT_EQ(form.lastSender, part.get());
}

// A base's shared run, in name order, takes the class's own properties in by
// name while they keep their own order (a second of them sorting before the
// first stays after it), and an event ends the merge.
TEST(Published, SharedRunMergesTheClassesOwnPropertiesByName) {
  TClassBuilder<TDerived> b("TMerged");
  b.Property("Width", &TDerived::Width, &TDerived::SetWidth);
  b.BeginSharedRun()
      .Property("Caption", &TDerived::Caption, &TDerived::SetCaption)
      .Property("Enabled", &TDerived::Enabled, &TDerived::SetEnabled).Default(1)
      .Property("Shades", &TDerived::Shades, &TDerived::SetShades)
      .EndSharedRun();
  const TClassInfo info = b.Property("Link", &TDerived::Link, &TDerived::SetLink)
      .Property("Lines", &TDerived::Lines, &TDerived::SetLines)
      .Property("Shade", &TDerived::Shade, &TDerived::SetShade)
      .Property("Alpha", &TDerived::Width, &TDerived::SetWidth)
      .Event("OnClick", &TDerived::OnClick)
      .Property("Beta", &TDerived::Width, &TDerived::SetWidth)
      .Build();
  std::vector<std::string> names;
  for (const TPropInfo& p : info.Properties) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Width", "Caption", "Enabled", "Link", "Lines", "Shade", "Alpha",
                                             "Shades", "OnClick", "Beta"}));
  EXPECT_EQ(info.Properties[2].Default, 1);
}
