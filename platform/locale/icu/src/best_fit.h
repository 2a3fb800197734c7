#pragma once
// The one-byte form of a separator, as the ANSI services give it.
#include <string>
#include <string_view>

namespace platform::detail {

// The first character of `utf8` as one byte: ASCII stays, the no-break and
// thin spaces become a blank, typographic apostrophes an apostrophe, Arabic
// punctuation its ASCII twin, anything else without an equivalent "?". Bidi
// marks are skipped. Empty text stays empty.
std::string SingleByteSetting(std::string_view utf8);

}  // namespace platform::detail
