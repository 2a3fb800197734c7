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

// The palette and the bitmaps are process-wide and not locked: the design
// environment's thread only. Classes are static class records, never owned.

// Puts `classes` on palette page `page` (page names ignore ASCII case; the
// page is created when new) and registers them for the form reader. A class
// already on the page keeps its place. Raises EInvalidOperation for a null
// or non-component class, and EFilerError (from RegisterClass) for a class
// whose name another registered class has; the classes before it stay
// placed and registered, and the page stays.
void RegisterComponents(const std::string& page, std::initializer_list<TClass> classes);
// The pages in order of creation.
const std::vector<TPalettePage>& PalettePages();
// The page that holds `className` (case-insensitive), nullptr when none does.
// Valid until the next RegisterComponents or ClearPalette.
const TPalettePage* FindPalettePage(std::string_view className);
// Forgets the pages; the classes stay registered for the form reader.
void ClearPalette();

// Bitmaps linked into a library as resources (by lxv_add_bitmap_resource) and
// registered when it loads; `bytes` is a whole ".bmp" file, not copied: it
// must stay valid while registered. Names ignore ASCII case; registering a
// name again replaces its bytes. Nothing is checked or raised.
void RegisterBitmapResource(std::string_view name, std::string_view bytes);
void UnRegisterBitmapResource(std::string_view name);
// The registered bytes themselves; empty when no bitmap of that name is linked.
std::optional<std::string_view> FindBitmapResource(std::string_view name);

struct TBitmapInfo {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  int Colors = 0;  // entries of the colour table, 0 for true-colour bitmaps
};
// Reads the headers of a ".bmp" file (Height positive for top-down ones too);
// raises EReadError naming what is wrong when the bytes are not one: no "BM"
// header, an info header under 40 bytes, a width not above 0, a height of
// -2^31, 0 bits per pixel, or fewer bytes than the pixels need (however many
// that is: sizes beyond 64 bits are refused, not wrapped).
TBitmapInfo ReadBitmapInfo(std::string_view bytes);

}  // namespace platform
