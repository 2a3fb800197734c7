#include "platform/design/palette.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/rtti/class_info.h"
#include "platform/rtti/class_registry.h"

namespace platform {

namespace {

std::vector<TPalettePage>& Pages() {
  static std::vector<TPalettePage> pages;
  return pages;
}

std::map<std::string, std::string_view>& Bitmaps() {
  static std::map<std::string, std::string_view> bitmaps;
  return bitmaps;
}

}  // namespace

void RegisterComponents(const std::string& page, std::initializer_list<TClass> classes) {
  auto& pages = Pages();
  auto it = std::find_if(pages.begin(), pages.end(), [&](const TPalettePage& p) { return SameText(p.Name, page); });
  if (it == pages.end()) it = pages.insert(pages.end(), TPalettePage{page, {}});
  for (TClass cls : classes) {
    if (cls == nullptr || !cls->IsComponent)
      throw EInvalidOperation("Only component classes go on the palette (page " + page + ")");
    RegisterClass(cls);
    if (std::find(it->Classes.begin(), it->Classes.end(), cls) == it->Classes.end()) it->Classes.push_back(cls);
  }
}

const std::vector<TPalettePage>& PalettePages() { return Pages(); }

const TPalettePage* FindPalettePage(std::string_view className) {
  for (const TPalettePage& page : Pages())
    for (TClass cls : page.Classes)
      if (SameText(cls->Name, className)) return &page;
  return nullptr;
}

void ClearPalette() { Pages().clear(); }

void RegisterBitmapResource(std::string_view name, std::string_view bytes) { Bitmaps()[UpperCase(name)] = bytes; }

void UnRegisterBitmapResource(std::string_view name) { Bitmaps().erase(UpperCase(name)); }

std::optional<std::string_view> FindBitmapResource(std::string_view name) {
  const auto it = Bitmaps().find(UpperCase(name));
  if (it == Bitmaps().end()) return std::nullopt;
  return it->second;
}

namespace {
std::uint32_t LittleEndianAt(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}
}  // namespace

TBitmapInfo ReadBitmapInfo(std::string_view bytes) {
  // File header (14 bytes) then an info header of at least 40.
  if (bytes.size() < 54 || bytes.substr(0, 2) != "BM") throw EReadError("Not a bitmap: no BM file header");
  const std::uint32_t headerSize = LittleEndianAt(bytes, 14, 4);
  if (headerSize < 40) throw EReadError("Bitmap info header of " + std::to_string(headerSize) + " bytes");
  TBitmapInfo info;
  info.Width = static_cast<std::int32_t>(LittleEndianAt(bytes, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndianAt(bytes, 22, 4));
  // A negative height is a top-down bitmap; the most negative one has no positive counterpart.
  if (height == INT32_MIN) throw EReadError("Bitmap height " + std::to_string(height) + " is out of range");
  info.Height = std::abs(height);
  info.BitsPerPixel = static_cast<int>(LittleEndianAt(bytes, 28, 2));
  if (info.BitsPerPixel == 0) throw EReadError("Bitmap of 0 bits per pixel");
  const std::uint32_t used = LittleEndianAt(bytes, 46, 4);
  info.Colors = info.BitsPerPixel <= 8 ? static_cast<int>(used != 0 ? used : 1u << info.BitsPerPixel) : 0;
  const std::size_t pixelsAt = LittleEndianAt(bytes, 10, 4);
  const std::size_t rowBytes = (static_cast<std::size_t>(info.Width) * info.BitsPerPixel + 31) / 32 * 4;
  // Divides rather than multiplies: rows times height can exceed 64 bits.
  if (info.Width <= 0 || pixelsAt > bytes.size() ||
      (bytes.size() - pixelsAt) / rowBytes < static_cast<std::size_t>(info.Height))
    throw EReadError("Bitmap of " + std::to_string(bytes.size()) + " bytes is too short for " +
                     std::to_string(info.Width) + "x" + std::to_string(info.Height) + " at " +
                     std::to_string(info.BitsPerPixel) + " bits per pixel");
  return info;
}

}  // namespace platform
