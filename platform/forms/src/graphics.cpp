#include "platform/forms/graphics.h"

#include <cmath>

#include "platform/forms/screen.h"

namespace platform {

const TIdentMap& ColorIdents() {
  static const TIdentMap map{{
      {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
      {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
      {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
      {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
      {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
      {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
      {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
      {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
      {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
      {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
      {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
      {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
      {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
      {clInfoBk, "clInfoBk"}, {clNone, "clNone"}, {clDefault, "clDefault"},
  }};
  return map;
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap map{{
      {0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {2, "SYMBOL_CHARSET"}, {77, "MAC_CHARSET"},
      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"}, {134, "GB2312_CHARSET"},
      {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"}, {162, "TURKISH_CHARSET"},
      {177, "HEBREW_CHARSET"}, {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"},
      {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"}, {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
  }};
  return map;
}

const TIdentMap& CursorIdents() {
  static const TIdentMap map{{
      {0, "crDefault"}, {-1, "crNone"}, {-2, "crArrow"}, {-3, "crCross"}, {-4, "crIBeam"},
      {-5, "crSize"}, {-6, "crSizeNESW"}, {-7, "crSizeNS"}, {-8, "crSizeNWSE"}, {-9, "crSizeWE"},
      {-10, "crUpArrow"}, {-11, "crHourGlass"}, {-12, "crDrag"}, {-13, "crNoDrop"}, {-14, "crHSplit"},
      {-15, "crVSplit"}, {-16, "crMultiDrag"}, {-17, "crSQLWait"}, {-18, "crNo"}, {-19, "crAppStart"},
      {-20, "crHelp"}, {-21, "crHandPoint"},
  }};
  return map;
}

TClass TFont::StaticClass() {
  // Size is derived from Height, so only Height is stored.
  static const TClassInfo info = TClassBuilder<TFont>("TFont")
      .Property("Charset", &TFont::Charset, &TFont::SetCharset).Idents(CharsetIdents())
      .Property("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents())
      .Property("Height", &TFont::Height, &TFont::SetHeight)
      .Property("Name", &TFont::Name, &TFont::SetName)
      .Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault)
      .Property("Size", &TFont::Size, &TFont::SetSize).Stored(false)
      .Property("Style", &TFont::Style, &TFont::SetStyle)
      .Build();
  return &info;
}

TFont::TFont() : pixelsPerInch_(Screen().PixelsPerInch()) {}

void TFont::Changed() { OnChange(this); }

void TFont::SetName(const std::string& value) {
  if (value == name_ || value.empty()) return;
  name_ = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == height_) return;
  height_ = value;
  Changed();
}

namespace {
// The framework's MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
}  // namespace

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, pixelsPerInch_, 72)); }

void TFont::SetStyle(TFontStyles value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TFont::SetCharset(int value) {
  if (value == charset_) return;
  charset_ = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == pitch_) return;
  pitch_ = value;
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
         charset_ == o.charset_ && pitch_ == o.pitch_;
}

void TFont::Assign(const TPersistent* source) {
  const auto* font = DynCast<TFont>(source);
  if (font == nullptr) return TPersistent::Assign(source);
  if (font == this) return;
  const bool same = SameAs(*font);
  name_ = font->name_;
  height_ = font->height_;
  style_ = font->style_;
  color_ = font->color_;
  charset_ = font->charset_;
  pitch_ = font->pitch_;
  pixelsPerInch_ = font->pixelsPerInch_;
  if (!same) Changed();
}

}  // namespace platform
