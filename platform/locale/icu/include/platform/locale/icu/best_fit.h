#pragma once
// One byte for a character of UTF-8 text, by the fit the ANSI services use
// for separators.
#include <optional>
#include <string_view>

namespace platform {

// The first character of `utf8` (bidi marks skipped) as one byte: ASCII
// stays, the no-break and thin spaces become a blank, typographic apostrophes
// an apostrophe, Arabic punctuation its ASCII twin. nullopt for empty text
// and for a character without such an equivalent.
std::optional<char> BestFitFirstChar(std::string_view utf8);

}  // namespace platform
