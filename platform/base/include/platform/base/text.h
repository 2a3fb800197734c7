#pragma once
// The framework's comparisons of 8-bit text. CompareStr is ordinal and
// case-sensitive; CompareText ignores ASCII case, as identifiers and the
// controls' sorted lists do.
#include <string>
#include <string_view>

namespace platform {

int CompareStr(std::string_view a, std::string_view b);   // <0, 0, >0
int CompareText(std::string_view a, std::string_view b);  // ASCII case-insensitive
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);  // ASCII letters only
std::string LowerCase(std::string_view text);
std::string Trim(std::string_view text);       // drops control characters and blanks at both ends

}  // namespace platform
