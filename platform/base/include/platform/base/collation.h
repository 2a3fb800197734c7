#pragma once
// The order in which the system sorts text for people, as list boxes and
// combo boxes with Sorted set show it: case is ignored, and punctuation and
// symbols come before digits, digits before letters, and letters before bytes
// from 128 up. So "NAMES[1]" sorts before "NAMES[10]", where the ordinal
// order (']' after '0') would put it after.
#include <string_view>

namespace platform {

int AnsiCompareText(std::string_view a, std::string_view b);  // <0, 0, >0

}  // namespace platform
