#pragma once
// Colours and fonts as the controls use them and form files store them.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtti/class_info.h"
#include "platform/rtti/published.h"

namespace platform {

// A colour: 0x00BBGGRR, or a system colour (the high bit set, the low byte
// the system's colour index), which the back end resolves.
using TColor = std::int32_t;
constexpr TColor kSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clScrollBar = kSystemColor | 0, clBackground = kSystemColor | 1,
                 clActiveCaption = kSystemColor | 2, clInactiveCaption = kSystemColor | 3,
                 clMenu = kSystemColor | 4, clWindow = kSystemColor | 5, clWindowFrame = kSystemColor | 6,
                 clMenuText = kSystemColor | 7, clWindowText = kSystemColor | 8, clCaptionText = kSystemColor | 9,
                 clActiveBorder = kSystemColor | 10, clInactiveBorder = kSystemColor | 11,
                 clAppWorkSpace = kSystemColor | 12, clHighlight = kSystemColor | 13,
                 clHighlightText = kSystemColor | 14, clBtnFace = kSystemColor | 15, clBtnShadow = kSystemColor | 16,
                 clGrayText = kSystemColor | 17, clBtnText = kSystemColor | 18,
                 clInactiveCaptionText = kSystemColor | 19, clBtnHighlight = kSystemColor | 20,
                 cl3DDkShadow = kSystemColor | 21, cl3DLight = kSystemColor | 22, clInfoText = kSystemColor | 23,
                 clInfoBk = kSystemColor | 24;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clNone = 0x1FFFFFFF, clDefault = 0x20000000;
// The colour names a form file may use instead of numbers.
const TIdentMap& ColorIdents();

using TFontCharset = std::uint8_t;
constexpr int DEFAULT_CHARSET = 1;
const TIdentMap& CharsetIdents();

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
LXV_ENUM(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
LXV_ENUM(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

// A font: name, height in pixels (negative: the character height without the
// leading, as form files store it), style and colour. Size is in points and is
// derived from Height at the font's PixelsPerInch.
class TFont : public TPersistent {
  LXV_CLASS(TFont, TPersistent)
 public:
  TFont();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  int Height() const { return height_; }
  void SetHeight(int value);
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Charset() const { return charset_; }
  void SetCharset(int value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }

  // Every attribute, PixelsPerInch included; OnChange fires once.
  void Assign(const TPersistent* source) override;
  bool SameAs(const TFont& other) const;

  TNotifyEvent OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int pixelsPerInch_ = 96;
};

// Cursor names of form files (crDefault, crHourGlass, ...).
const TIdentMap& CursorIdents();

}  // namespace platform
