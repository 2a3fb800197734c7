#include "vec_classes.h"

#include "platform/classes/reader.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"
#include "platform/classes/writer.h"

namespace lxvtest {

using namespace platform;

const TIdentMap& VecColors() {
  static const TIdentMap map{{{0, "clBlack"}, {0xFF, "clRed"}, {0xFF00, "clLime"}, {0xFF0000, "clBlue"},
                              {0xFFFFFF, "clWhite"}, {-16777201, "clBtnFace"}}};
  return map;
}

std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

void TVecBase::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      "Storage",
      [this](TReader& r) {
        Storage = r.ReadInteger();
        HasStorage = true;
      },
      [this](TWriter& w) { w.WriteInteger(Storage); }, HasStorage);
  filer.DefineBinaryProperty("Blob", [this](TStream& s) { Blob = s.ReadRest(); },
                             [this](TStream& s) { s.WriteBuffer(Blob); }, !Blob.empty());
}

void TVecBase::Loaded() {
  LoadingDuringLoaded = HasState(csLoading);
  inherited::Loaded();
  LoadedLog().push_back(Name());
}

void TVecBase::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* c = root->Components(i);
    const TComponent* parent = c->GetParentComponent();
    if (c != this && (parent == this || (parent == nullptr && this == root))) proc(c);
  }
}

std::string TVecForm::SenderName(TObject* o) {
  auto* c = DynCast<TComponent>(o);
  return c != nullptr ? c->Name() : std::string("?");
}

#define P(Cls, Name) .Property(#Name, &Cls::Name, &Cls::Set##Name)

TClass TVecBase::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecBase>("TVecBase").Build();
  return &info;
}

TClass TVecForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecForm>("TVecForm")
      P(TVecForm, Caption) P(TVecForm, Width) P(TVecForm, Height)
      P(TVecForm, Color).Default(0).Idents(VecColors())
      P(TVecForm, BorderStyle).Default(bsSizeable)
      P(TVecForm, Visible).Default(0)
      .Event("OnCreate", &TVecForm::OnCreate)
      .Method("FormCreate", &TVecForm::FormCreate)
      .Method("ButtonClick", &TVecForm::ButtonClick)
      .Method("EditChange", &TVecForm::EditChange)
      .Build();
  return &info;
}

TClass TVecInts::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecInts>("TVecInts")
      P(TVecInts, Zero) P(TVecInts, Plus1) P(TVecInts, Minus1) P(TVecInts, Max8) P(TVecInts, Min8)
      P(TVecInts, Over8) P(TVecInts, Under8) P(TVecInts, Max16) P(TVecInts, Min16) P(TVecInts, Over16)
      P(TVecInts, Under16) P(TVecInts, Max32) P(TVecInts, Min32) P(TVecInts, Hex255) P(TVecInts, Big)
      P(TVecInts, NegBig) P(TVecInts, Def5Same).Default(5) P(TVecInts, Def5Other).Default(5)
      P(TVecInts, SmallVal) P(TVecInts, ShortVal) P(TVecInts, ByteVal) P(TVecInts, WordVal) P(TVecInts, CardVal)
      P(TVecInts, I64Small) P(TVecInts, I64Over32) P(TVecInts, I64Big) P(TVecInts, I64NegBig) P(TVecInts, QWordVal)
      .Build();
  return &info;
}

TClass TVecMisc::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecMisc>("TVecMisc")
      P(TVecMisc, BoolTrue) P(TVecMisc, BoolFalse) P(TVecMisc, BoolDefTrueIsFalse).Default(1)
      P(TVecMisc, BoolDefFalseIsFalse).Default(0) P(TVecMisc, AlignFirst) P(TVecMisc, AlignLast)
      P(TVecMisc, Border) P(TVecMisc, StylesEmpty) P(TVecMisc, StylesOne) P(TVecMisc, StylesAll)
      P(TVecMisc, Anchors) P(TVecMisc, AnchorsDef).Default(3) P(TVecMisc, CharA) P(TVecMisc, CharQuote)
      P(TVecMisc, CharHigh) P(TVecMisc, CharNul) P(TVecMisc, WideCh)
      P(TVecMisc, ColorNamed).Idents(VecColors()) P(TVecMisc, ColorNumber).Idents(VecColors())
      .Build();
  return &info;
}

TClass TVecShadow::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecShadow>("TVecShadow")
      P(TVecShadow, Offset).Default(0) P(TVecShadow, Color).Default(0).Idents(VecColors())
      .Build();
  return &info;
}

TClass TVecFont::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecFont>("TVecFont")
      P(TVecFont, Name) P(TVecFont, Height) P(TVecFont, Style).Default(0)
      P(TVecFont, Color).Default(0).Idents(VecColors()) P(TVecFont, Shadow)
      .Build();
  return &info;
}

TClass TVecLabel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecLabel>("TVecLabel")
      P(TVecLabel, Caption) P(TVecLabel, FocusControl) P(TVecLabel, Font)
      .Build();
  return &info;
}

TClass TVecPanel::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecPanel>("TVecPanel")
      P(TVecPanel, Caption) P(TVecPanel, Align).Default(alNone) P(TVecPanel, Anchors).Default(3)
      P(TVecPanel, Left) P(TVecPanel, Top)
      .Build();
  return &info;
}

TClass TVecButton::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecButton>("TVecButton")
      P(TVecButton, Caption) P(TVecButton, Default).Default(0) P(TVecButton, Cancel).Default(0)
      P(TVecButton, Enabled).Default(1) P(TVecButton, ModalResult).Default(0)
      .Event("OnClick", &TVecButton::OnClick)
      .Build();
  return &info;
}

TClass TVecEdit::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecEdit>("TVecEdit")
      P(TVecEdit, Text) P(TVecEdit, MaxLength).Default(0) P(TVecEdit, PasswordChar).Default(0)
      .Event("OnChange", &TVecEdit::OnChange)
      .Event("OnClick", &TVecEdit::OnClick)
      .Build();
  return &info;
}

TClass TVecMemo::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecMemo>("TVecMemo")
      P(TVecMemo, Lines) P(TVecMemo, EmptyLines)
      .Build();
  return &info;
}

TClass TVecLink::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecLink>("TVecLink")
      P(TVecLink, Target) P(TVecLink, Target2) P(TVecLink, NilTarget)
      .Event("OnClick", &TVecLink::OnClick)
      .Event("OnChange", &TVecLink::OnChange)
      .Build();
  return &info;
}

TClass TVecStrings::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecStrings>("TVecStrings")
      P(TVecStrings, Plain) P(TVecStrings, Empty) P(TVecStrings, Apostrophes) P(TVecStrings, CrLf)
      P(TVecStrings, Tab) P(TVecStrings, WithNul) P(TVecStrings, HighBytes) P(TVecStrings, Utf8Bytes)
      P(TVecStrings, Len255) P(TVecStrings, Len256) P(TVecStrings, Len1000) P(TVecStrings, OnlyQuote)
      P(TVecStrings, Short) P(TVecStrings, Wide) P(TVecStrings, Uni)
      .Build();
  return &info;
}

TClass TVecFloats::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecFloats>("TVecFloats")
      P(TVecFloats, Pi_) P(TVecFloats, Negative) P(TVecFloats, Huge) P(TVecFloats, Tiny) P(TVecFloats, Whole)
      P(TVecFloats, Ext) P(TVecFloats, Sgl) P(TVecFloats, Cur) P(TVecFloats, When) P(TVecFloats, ZeroVal)
      .Build();
  return &info;
}

TClass TVecColumn::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecColumn>("TVecColumn")
      P(TVecColumn, Caption) P(TVecColumn, Width).Default(64) P(TVecColumn, Visible).Default(1)
      P(TVecColumn, Align).Default(alNone)
      .Build();
  return &info;
}

void TVecColumn::Assign(const TPersistent* source) {
  const auto* from = DynCast<TVecColumn>(source);
  if (from == nullptr) return TCollectionItem::Assign(source);
  Caption = from->Caption;
  Width = from->Width;
  Visible = from->Visible;
  Align = from->Align;
}

TClass TVecGrid::StaticClass() {
  static const TClassInfo info = TClassBuilder<TVecGrid>("TVecGrid")
      P(TVecGrid, Columns) P(TVecGrid, EmptyCols)
      .Build();
  return &info;
}

#undef P

void RegisterVecClasses() {
  RegisterClasses({TVecForm::StaticClass(), TVecInts::StaticClass(), TVecMisc::StaticClass(),
                   TVecLabel::StaticClass(), TVecPanel::StaticClass(), TVecButton::StaticClass(),
                   TVecEdit::StaticClass(), TVecMemo::StaticClass(), TVecLink::StaticClass(),
                   TVecStrings::StaticClass(), TVecFloats::StaticClass(), TVecGrid::StaticClass()});
}

}  // namespace lxvtest
