# Writes OUTPUT, a C++ source that registers the bytes of INPUT as the form
# resource NAME. Run with cmake -P by lxv_add_form_resource.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUTPUT}.tmp
"// Generated from a text form file by lxv_add_form_resource; do not edit.
#include <string_view>

#include \"platform/form_files/form_resources.h\"

namespace {
const unsigned char kForm[${size}] = {
  ${bytes}
};
const bool kRegistered = (platform::RegisterFormResource(
    \"${NAME}\", std::string_view(reinterpret_cast<const char*>(kForm), sizeof kForm)), true);
}  // namespace
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
