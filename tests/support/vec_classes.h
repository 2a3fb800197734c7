#pragma once
// Component classes declared like those the form vectors were written from,
// for reading the vectors into objects and writing them back.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/rtti/events.h"
#include "platform/rtti/published.h"
#include "platform/classes/strings.h"

// A published field with its setter, as the class builder wants them.
#define VEC_FIELD(Type, Name, Init) \
  Type Name = Init;                 \
  void Set##Name(Type value) { Name = value; }

namespace lxvtest {

using platform::TComponent;
using platform::TObject;

enum TVecBorder { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
LXV_ENUM(TVecBorder, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
enum TVecAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
LXV_ENUM(TVecAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient")
enum TVecFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
LXV_ENUM(TVecFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
enum TVecAnchorKind { akLeft, akTop, akRight, akBottom };
LXV_ENUM(TVecAnchorKind, "akLeft", "akTop", "akRight", "akBottom")
using TVecFontStyles = platform::TSet<TVecFontStyle>;
using TVecAnchors = platform::TSet<TVecAnchorKind>;

const platform::TIdentMap& VecColors();

// Names of components in the order their Loaded ran.
std::vector<std::string>& LoadedLog();

// Storage (integer, written when set), Blob (bytes, written when not empty)
// as defined properties, after TComponent's Left/Top.
class TVecBase : public TComponent {
  LXV_CLASS(TVecBase, TComponent)
 public:
  explicit TVecBase(TComponent* owner) : TComponent(owner) {}
  void DefineProperties(platform::TFiler& filer) override;
  void Loaded() override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override { parent_ = parent == Owner() ? nullptr : parent; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  bool HasStorage = false;
  std::int32_t Storage = 0;
  std::string Blob;
  // The position kept by TComponent as its design information.
  std::int32_t DesignLeft() const { return static_cast<std::int16_t>(DesignInfo()); }
  std::int32_t DesignTop() const { return static_cast<std::int16_t>(DesignInfo() >> 16); }
  bool LoadingDuringLoaded = false;  // csLoading was still set when Loaded ran

 private:
  TComponent* parent_ = nullptr;
};

class TVecForm : public TVecBase {
  LXV_CLASS(TVecForm, TVecBase)
 public:
  explicit TVecForm(TComponent* owner) : TVecBase(owner) {}
  bool HasParent() const override { return false; }

  VEC_FIELD(std::string, Caption, std::string{})
  VEC_FIELD(std::int32_t, Width, 0)
  VEC_FIELD(std::int32_t, Height, 0)
  VEC_FIELD(std::int32_t, Color, 0)
  VEC_FIELD(TVecBorder, BorderStyle, bsSizeable)
  VEC_FIELD(bool, Visible, false)
  platform::TNotifyEvent OnCreate;

  void FormCreate(TObject* sender) { Calls.push_back("FormCreate:" + SenderName(sender)); }
  void ButtonClick(TObject* sender) { Calls.push_back("ButtonClick:" + SenderName(sender)); }
  void EditChange(TObject* sender) { Calls.push_back("EditChange:" + SenderName(sender)); }
  std::vector<std::string> Calls;

 private:
  static std::string SenderName(TObject* o);
};

class TVecInts : public TVecBase {
  LXV_CLASS(TVecInts, TVecBase)
 public:
  explicit TVecInts(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::int32_t, Zero, 0)
  VEC_FIELD(std::int32_t, Plus1, 0)
  VEC_FIELD(std::int32_t, Minus1, 0)
  VEC_FIELD(std::int32_t, Max8, 0)
  VEC_FIELD(std::int32_t, Min8, 0)
  VEC_FIELD(std::int32_t, Over8, 0)
  VEC_FIELD(std::int32_t, Under8, 0)
  VEC_FIELD(std::int32_t, Max16, 0)
  VEC_FIELD(std::int32_t, Min16, 0)
  VEC_FIELD(std::int32_t, Over16, 0)
  VEC_FIELD(std::int32_t, Under16, 0)
  VEC_FIELD(std::int32_t, Max32, 0)
  VEC_FIELD(std::int32_t, Min32, 0)
  VEC_FIELD(std::int32_t, Hex255, 0)
  VEC_FIELD(std::int32_t, Big, 0)
  VEC_FIELD(std::int32_t, NegBig, 0)
  VEC_FIELD(std::int32_t, Def5Same, 5)
  VEC_FIELD(std::int32_t, Def5Other, 5)
  VEC_FIELD(std::int16_t, SmallVal, 0)
  VEC_FIELD(std::int8_t, ShortVal, 0)
  VEC_FIELD(std::uint8_t, ByteVal, 0)
  VEC_FIELD(std::uint16_t, WordVal, 0)
  VEC_FIELD(std::uint32_t, CardVal, 0)
  VEC_FIELD(std::int64_t, I64Small, 0)
  VEC_FIELD(std::int64_t, I64Over32, 0)
  VEC_FIELD(std::int64_t, I64Big, 0)
  VEC_FIELD(std::int64_t, I64NegBig, 0)
  VEC_FIELD(std::uint64_t, QWordVal, 0)
};

class TVecMisc : public TVecBase {
  LXV_CLASS(TVecMisc, TVecBase)
 public:
  explicit TVecMisc(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(bool, BoolTrue, false)
  VEC_FIELD(bool, BoolFalse, false)
  VEC_FIELD(bool, BoolDefTrueIsFalse, true)
  VEC_FIELD(bool, BoolDefFalseIsFalse, false)
  VEC_FIELD(TVecAlign, AlignFirst, alNone)
  VEC_FIELD(TVecAlign, AlignLast, alNone)
  VEC_FIELD(TVecBorder, Border, bsNone)
  VEC_FIELD(TVecFontStyles, StylesEmpty, TVecFontStyles{})
  VEC_FIELD(TVecFontStyles, StylesOne, TVecFontStyles{})
  VEC_FIELD(TVecFontStyles, StylesAll, TVecFontStyles{})
  VEC_FIELD(TVecAnchors, Anchors, TVecAnchors{})
  VEC_FIELD(TVecAnchors, AnchorsDef, (TVecAnchors{akLeft, akTop}))
  VEC_FIELD(char, CharA, 0)
  VEC_FIELD(char, CharQuote, 0)
  VEC_FIELD(char, CharHigh, 0)
  VEC_FIELD(char, CharNul, 0)
  VEC_FIELD(char16_t, WideCh, 0)
  VEC_FIELD(std::int32_t, ColorNamed, 0)
  VEC_FIELD(std::int32_t, ColorNumber, 0)
};

class TVecShadow : public platform::TPersistent {
  LXV_CLASS(TVecShadow, platform::TPersistent)
 public:
  VEC_FIELD(std::int32_t, Offset, 0)
  VEC_FIELD(std::int32_t, Color, 0)
};

class TVecFont : public platform::TPersistent {
  LXV_CLASS(TVecFont, platform::TPersistent)
 public:
  VEC_FIELD(std::string, Name, std::string{})
  VEC_FIELD(std::int32_t, Height, 0)
  VEC_FIELD(std::int32_t, Color, 0)
  VEC_FIELD(TVecFontStyles, Style, TVecFontStyles{})
  TVecShadow ShadowObj;
  TVecShadow* Shadow() const { return const_cast<TVecShadow*>(&ShadowObj); }
  void SetShadow(TVecShadow* value) { ShadowObj.Offset = value->Offset; ShadowObj.Color = value->Color; }
};

class TVecLabel : public TVecBase {
  LXV_CLASS(TVecLabel, TVecBase)
 public:
  explicit TVecLabel(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::string, Caption, std::string{})
  VEC_FIELD(TComponent*, FocusControl, nullptr)
  TVecFont FontObj;
  TVecFont* Font() const { return const_cast<TVecFont*>(&FontObj); }
  void SetFont(TVecFont*) {}
};

class TVecPanel : public TVecBase {
  LXV_CLASS(TVecPanel, TVecBase)
 public:
  explicit TVecPanel(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::string, Caption, std::string{})
  VEC_FIELD(TVecAlign, Align, alNone)
  VEC_FIELD(TVecAnchors, Anchors, (TVecAnchors{akLeft, akTop}))
  VEC_FIELD(std::int32_t, Left, 0)
  VEC_FIELD(std::int32_t, Top, 0)
};

class TVecButton : public TVecBase {
  LXV_CLASS(TVecButton, TVecBase)
 public:
  explicit TVecButton(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::string, Caption, std::string{})
  VEC_FIELD(bool, Default, false)
  VEC_FIELD(bool, Cancel, false)
  VEC_FIELD(bool, Enabled, true)
  VEC_FIELD(std::int32_t, ModalResult, 0)
  platform::TNotifyEvent OnClick;
};

class TVecEdit : public TVecBase {
  LXV_CLASS(TVecEdit, TVecBase)
 public:
  explicit TVecEdit(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::string, Text, std::string{})
  VEC_FIELD(std::int32_t, MaxLength, 0)
  VEC_FIELD(char, PasswordChar, 0)
  platform::TNotifyEvent OnChange, OnClick;
};

class TVecMemo : public TVecBase {
  LXV_CLASS(TVecMemo, TVecBase)
 public:
  explicit TVecMemo(TComponent* owner) : TVecBase(owner) {}
  platform::TStringList LinesObj, EmptyLinesObj;
  platform::TStringList* Lines() const { return const_cast<platform::TStringList*>(&LinesObj); }
  void SetLines(platform::TStringList* value) { LinesObj.Assign(value); }
  platform::TStringList* EmptyLines() const { return const_cast<platform::TStringList*>(&EmptyLinesObj); }
  void SetEmptyLines(platform::TStringList* value) { EmptyLinesObj.Assign(value); }
};

class TVecLink : public TVecBase {
  LXV_CLASS(TVecLink, TVecBase)
 public:
  explicit TVecLink(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(TComponent*, Target, nullptr)
  VEC_FIELD(TComponent*, Target2, nullptr)
  VEC_FIELD(TComponent*, NilTarget, nullptr)
  platform::TNotifyEvent OnClick, OnChange;
};

class TVecStrings : public TVecBase {
  LXV_CLASS(TVecStrings, TVecBase)
 public:
  explicit TVecStrings(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(std::string, Plain, std::string{})
  VEC_FIELD(std::string, Empty, std::string{})
  VEC_FIELD(std::string, Apostrophes, std::string{})
  VEC_FIELD(std::string, CrLf, std::string{})
  VEC_FIELD(std::string, Tab, std::string{})
  VEC_FIELD(std::string, WithNul, std::string{})
  VEC_FIELD(std::string, HighBytes, std::string{})
  VEC_FIELD(std::string, Utf8Bytes, std::string{})
  VEC_FIELD(std::string, Len255, std::string{})
  VEC_FIELD(std::string, Len256, std::string{})
  VEC_FIELD(std::string, Len1000, std::string{})
  VEC_FIELD(std::string, OnlyQuote, std::string{})
  VEC_FIELD(std::string, Short, std::string{})
  VEC_FIELD(std::string, Wide, std::string{})
  VEC_FIELD(std::string, Uni, std::string{})
};

class TVecFloats : public TVecBase {
  LXV_CLASS(TVecFloats, TVecBase)
 public:
  explicit TVecFloats(TComponent* owner) : TVecBase(owner) {}
  VEC_FIELD(double, Pi_, 0)
  VEC_FIELD(double, Negative, 0)
  VEC_FIELD(double, Huge, 0)
  VEC_FIELD(double, Tiny, 0)
  VEC_FIELD(double, Whole, 0)
  VEC_FIELD(double, Ext, 0)
  VEC_FIELD(float, Sgl, 0)
  VEC_FIELD(double, Cur, 0)
  VEC_FIELD(double, When, 0)
  VEC_FIELD(double, ZeroVal, 0)
};

class TVecColumn : public platform::TCollectionItem {
  LXV_CLASS(TVecColumn, platform::TCollectionItem)
 public:
  explicit TVecColumn(platform::TCollection* collection) : TCollectionItem(collection) {}
  void Assign(const platform::TPersistent* source) override;
  VEC_FIELD(std::string, Caption, std::string{})
  VEC_FIELD(std::int32_t, Width, 64)
  VEC_FIELD(bool, Visible, true)
  VEC_FIELD(TVecAlign, Align, alNone)
};

class TVecGrid : public TVecBase {
  LXV_CLASS(TVecGrid, TVecBase)
 public:
  explicit TVecGrid(TComponent* owner) : TVecBase(owner) {}
  platform::TCollection ColumnsObj{TVecColumn::StaticClass(), this};
  platform::TCollection EmptyColsObj{TVecColumn::StaticClass(), this};
  platform::TCollection* Columns() const { return const_cast<platform::TCollection*>(&ColumnsObj); }
  void SetColumns(platform::TCollection* value) { ColumnsObj.Assign(value); }
  platform::TCollection* EmptyCols() const { return const_cast<platform::TCollection*>(&EmptyColsObj); }
  void SetEmptyCols(platform::TCollection* value) { EmptyColsObj.Assign(value); }
  TVecColumn* Column(int index) const { return static_cast<TVecColumn*>(ColumnsObj.Items(index)); }
};

void RegisterVecClasses();

}  // namespace lxvtest
