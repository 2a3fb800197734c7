// Fonts by name through fontconfig, colours, label texts.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>

#include "peers.h"
#include "platform/base/text.h"
#include "platform/forms/graphics.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>

namespace platform {

namespace {
// The families fontconfig lists for a pattern (all when family is empty).
std::vector<std::string> ListFamilies(const std::string& family) {
  FcPattern* pattern = FcPatternCreate();
  if (!family.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  std::vector<std::string> families;
  for (int i = 0; set != nullptr && i < set->nfont; ++i) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
      families.emplace_back(reinterpret_cast<const char*>(name));
  }
  if (set != nullptr) FcFontSetDestroy(set);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return families;
}
}  // namespace

std::vector<std::string> InstalledFamilies() {
  std::vector<std::string> families = ListFamilies("");
  std::sort(families.begin(), families.end(),
            [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  families.erase(std::unique(families.begin(), families.end()), families.end());
  return families;
}

std::string DefaultSansFamily() {
  static const std::string family = [] {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string name = "sans";
    FcChar8* found = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &found) == FcResultMatch)
      name = reinterpret_cast<const char*>(found);
    if (match != nullptr) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return name;
  }();
  return family;
}

bool FamilyInstalled(const std::string& family) {
  static std::map<std::string, bool> known;
  auto [at, added] = known.try_emplace(family, false);
  if (added) at->second = !family.empty() && !ListFamilies(family).empty();
  return at->second;
}

TFlFont FlFontOf(const TFont& font) {
  // The toolkit keeps the name pointers it is given: the names live here.
  static std::deque<std::string> names;
  static std::map<std::string, Fl_Font> faces;
  const bool bold = font.Style().Contains(fsBold), italic = font.Style().Contains(fsItalic);
  // The first character tells the toolkit the style: plain, Bold, Italic, both (P).
  const char style = bold ? (italic ? 'P' : 'B') : (italic ? 'I' : ' ');
  const std::string family = FamilyInstalled(font.Name()) ? font.Name() : DefaultSansFamily();
  const std::string key = style + family;
  auto at = faces.find(key);
  if (at == faces.end()) {
    const auto face = static_cast<Fl_Font>(FL_FREE_FONT + faces.size());
    Fl::set_font(face, names.emplace_back(key).c_str());
    at = faces.emplace(key, face).first;
  }
  const int height = std::abs(font.Height());
  return {at->second, static_cast<Fl_Fontsize>(height == 0 ? 13 : height)};
}

Fl_Color FlColorOf(TColor color) {
  if ((color & kSystemColor) == 0)
    return fl_rgb_color(static_cast<uchar>(color & 0xFF), static_cast<uchar>((color >> 8) & 0xFF),
                        static_cast<uchar>((color >> 16) & 0xFF));
  switch (color) {
    case clWindow: case clInfoBk: return FL_BACKGROUND2_COLOR;
    case clWindowText: case clBtnText: case clMenuText: case clCaptionText: case clInfoText:
      return FL_FOREGROUND_COLOR;
    case clHighlight: return FL_SELECTION_COLOR;
    case clHighlightText: return FL_WHITE;
    case clGrayText: return FL_INACTIVE_COLOR;
    case clBtnShadow: return FL_DARK3;
    case clBtnHighlight: return FL_LIGHT3;
    default: return FL_BACKGROUND_COLOR;
  }
}

std::string LabelText(const std::string& caption, bool accelerator) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '\r') {  // line ends: CR LF, CR or LF, as LF
      if (i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
      out += '\n';
      continue;
    }
    out += c;
    if (c == '&' && !accelerator) out += '&';
  }
  return out;
}

}  // namespace platform
