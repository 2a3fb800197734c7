// Fonts by name through fontconfig, colours, label texts.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>

#include "peers.h"
#include "platform/fltk/windowing.h"
#include "platform/base/text.h"
#include "platform/forms/graphics.h"

// The toolkit's headers last: they bring X11 and its macros (KeyPress, ...).
#include <FL/Fl.H>
#include <FL/fl_utf8.h>

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
// The characters of a UTF-8 text, each once, in order; blanks and controls
// need no glyph.
std::vector<FcChar32> CharactersOf(std::string_view text) {
  std::vector<FcChar32> characters;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    int length = 1;
    const unsigned c = fl_utf8decode(p, end, &length);
    p += std::max(length, 1);
    if (c <= 0x20 || (c >= 0x7F && c < 0xA0)) continue;
    if (std::find(characters.begin(), characters.end(), c) == characters.end()) characters.push_back(c);
  }
  return characters;
}

// A pattern for a face's name: the style character, then the family.
FcPattern* PatternOfName(const std::string& name) {
  FcPattern* pattern = FcPatternCreate();
  const std::string family = name.size() > 1 ? name.substr(1) : "sans";
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  const char style = name.empty() ? ' ' : name[0];
  if (style == 'B' || style == 'P') FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
  if (style == 'I' || style == 'P') FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

// The characters the font fontconfig draws for a face's name has glyphs
// for; kept for the life of the process.
const FcCharSet* CoverageOfName(const std::string& name) {
  static std::map<std::string, FcCharSet*> known;
  auto [at, added] = known.try_emplace(name, nullptr);
  if (!added) return at->second;
  FcPattern* pattern = PatternOfName(name);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcCharSet* coverage = nullptr;
  if (match != nullptr && FcPatternGetCharSet(match, FC_CHARSET, 0, &coverage) == FcResultMatch)
    at->second = FcCharSetCopy(coverage);
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return at->second;
}

std::size_t CountCovered(const FcCharSet* coverage, const std::vector<FcChar32>& characters) {
  if (coverage == nullptr) return 0;
  return static_cast<std::size_t>(std::count_if(characters.begin(), characters.end(), [coverage](FcChar32 c) {
    return FcCharSetHasChar(coverage, c) == FcTrue;
  }));
}

// The family, among the fonts fontconfig ranks for a face's name asked to
// cover the characters, that has glyphs for most of them (all, when one
// does); the face's own family when none does better.
std::string FallbackFamily(const std::string& name, const std::vector<FcChar32>& characters) {
  FcCharSet* wanted = FcCharSetCreate();
  for (FcChar32 c : characters) FcCharSetAddChar(wanted, c);
  FcPattern* pattern = PatternOfName(name);
  FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
  FcResult result = FcResultNoMatch;
  FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  std::string best = name.size() > 1 ? name.substr(1) : "sans";
  std::size_t bestCount = CountCovered(CoverageOfName(name), characters);
  for (int i = 0; sorted != nullptr && i < sorted->nfont && bestCount < characters.size(); ++i) {
    FcCharSet* coverage = nullptr;
    FcChar8* family = nullptr;
    if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &coverage) != FcResultMatch ||
        FcPatternGetString(sorted->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch)
      continue;
    const std::size_t count = CountCovered(coverage, characters);
    if (count > bestCount) best = reinterpret_cast<const char*>(family), bestCount = count;
  }
  if (sorted != nullptr) FcFontSetDestroy(sorted);
  FcCharSetDestroy(wanted);
  FcPatternDestroy(pattern);
  return best;
}

// The toolkit's face for a name (style character and family), set up once.
Fl_Font FaceOfName(const std::string& name) {
  // The toolkit keeps the name pointers it is given: the names live here.
  static std::deque<std::string> names;
  static std::map<std::string, Fl_Font> faces;
  auto at = faces.find(name);
  if (at == faces.end()) {
    const auto face = static_cast<Fl_Font>(FL_FREE_FONT + faces.size());
    Fl::set_font(face, names.emplace_back(name).c_str());
    at = faces.emplace(name, face).first;
  }
  return at->second;
}

std::string NameOfFace(Fl_Font face) {
  const char* name = Fl::get_font(face);
  return name != nullptr ? name : " sans";
}
}  // namespace

std::string FamilyOfFace(Fl_Font face) {
  FcPattern* pattern = PatternOfName(NameOfFace(face));
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string family;
  FcChar8* found = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &found) == FcResultMatch)
    family = reinterpret_cast<const char*>(found);
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return family;
}

bool FaceCovers(Fl_Font face, std::string_view text) {
  const std::vector<FcChar32> characters = CharactersOf(text);
  return CountCovered(CoverageOfName(NameOfFace(face)), characters) == characters.size();
}

Fl_Font CoveringFace(Fl_Font face, std::string_view text) {
  const std::string name = NameOfFace(face);
  const std::vector<FcChar32> characters = CharactersOf(text);
  if (CountCovered(CoverageOfName(name), characters) == characters.size()) return face;
  std::vector<FcChar32> key = characters;
  std::sort(key.begin(), key.end());
  static std::map<std::pair<std::string, std::vector<FcChar32>>, Fl_Font> chosen;
  auto [at, added] = chosen.try_emplace({name, std::move(key)}, face);
  if (added) {
    const std::string family = FallbackFamily(name, characters);
    if (family != name.substr(std::min<std::size_t>(1, name.size()))) at->second = FaceOfName(name.substr(0, 1) + family);
  }
  return at->second;
}

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
  const bool bold = font.Style().Contains(fsBold), italic = font.Style().Contains(fsItalic);
  // The first character tells the toolkit the style: plain, Bold, Italic, both (P).
  const char style = bold ? (italic ? 'P' : 'B') : (italic ? 'I' : ' ');
  const std::string family = FamilyInstalled(font.Name()) ? font.Name() : DefaultSansFamily();
  const int height = std::abs(font.Height());
  return {FaceOfName(style + family), static_cast<Fl_Fontsize>(height == 0 ? 13 : height)};
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
