# Writes OUTPUT, a C++ source that registers the bytes of the bitmap file
# INPUT as the bitmap resource NAME. Run with cmake -P by lxv_add_bitmap_resource.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
file(WRITE ${OUTPUT}.tmp
"// Generated from a bitmap file by lxv_add_bitmap_resource; do not edit.
#include <string_view>

#include \"platform/design/palette.h\"

namespace {
const unsigned char kBitmap[${size}] = {
  ${bytes}
};
struct TRegistration {
  TRegistration() {
    platform::RegisterBitmapResource(\"${NAME}\", std::string_view(reinterpret_cast<const char*>(kBitmap), sizeof kBitmap));
  }
  // A package that is unloaded takes its bytes with it.
  ~TRegistration() { platform::UnRegisterBitmapResource(\"${NAME}\"); }
} kRegistration;
}  // namespace
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
