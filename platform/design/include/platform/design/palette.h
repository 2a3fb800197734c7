#pragma once
// The component palette of a design environment: pages of component classes
// that packages register, each shown with the bitmap resource named after its
// class in capitals.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtti/object.h"

namespace platform {

struct TPalettePage {
  std::string Name;
  std::vector<TClass> Classes;  // in order of registration
};

// Puts `classes` on palette page `page` (created when new) and registers them
// for the form reader. A class already on the page keeps its place.
void RegisterComponents(const std::string& page, std::initializer_list<TClass> classes);
// The pages in order of creation.
const std::vector<TPalettePage>& PalettePages();
// The page that holds `className` (case-insensitive), nullptr when none does.
const TPalettePage* FindPalettePage(std::string_view className);
void ClearPalette();

// Bitmaps linked into a library as resources (by lxv_add_bitmap_resource) and
// registered when it loads; `bytes` is a whole ".bmp" file and must stay valid
// while registered.
void RegisterBitmapResource(std::string_view name, std::string_view bytes);
void UnRegisterBitmapResource(std::string_view name);
// Case-insensitive; empty when no bitmap of that name is linked.
std::optional<std::string_view> FindBitmapResource(std::string_view name);

struct TBitmapInfo {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  int Colors = 0;  // entries of the colour table, 0 for true-colour bitmaps
};
// Reads the headers of a ".bmp" file; raises EReadError naming what is wrong
// when the bytes are not one.
TBitmapInfo ReadBitmapInfo(std::string_view bytes);

}  // namespace platform
