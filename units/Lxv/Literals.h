#pragma once
// The component's two text escapes for application code.
//
// Quoted-literal form: apostrophe-quoted runs (an apostrophe inside written
// twice) and "#" + decimal character codes, without separators; control
// characters (codes 0 to 31) only as codes, every other character only inside
// quoted runs: "a\r\nb" <-> 'a'#13#10'b'.
//
// Backslash-escaped form: backslash doubled, LF, CR and TAB written as \n, \r
// and \t; everything else as it stands.
#include <string>
#include <string_view>

namespace Lxv {

void ConvertToLiterals(std::string& s);
// Lenient: text outside any run stays as it is, and a run left open ends with
// the text. A "#" outside a run without a digit after it raises EConvertError;
// `s` then holds the text without that "#".
void ConvertFromLiterals(std::string& s);

std::string WriteString(std::string_view s);
// One left-to-right pass, so every result of WriteString reads back unchanged;
// a backslash before any other character, or at the end, stays.
std::string ReadString(std::string_view s);

}  // namespace Lxv
