#pragma once
// The framework's comparisons of 8-bit text. CompareStr is ordinal and
// case-sensitive; CompareText ignores ASCII case, as identifiers and the
// controls' sorted lists do.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// ASCII classes and case of single bytes; bytes from 128 up belong to none
// and keep their case.
constexpr bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// Identifiers are a letter or '_', then letters, digits and '_'.
constexpr bool IsIdentStart(char c) { return IsAsciiLetter(c) || c == '_'; }
constexpr bool IsIdentChar(char c) { return IsIdentStart(c) || IsAsciiDigit(c); }

int CompareStr(std::string_view a, std::string_view b);   // <0, 0, >0
int CompareText(std::string_view a, std::string_view b);  // ASCII case-insensitive
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);  // ASCII letters only
std::string LowerCase(std::string_view text);
std::string Trim(std::string_view text);       // drops control characters and blanks at both ends

// The words of a command line: runs of characters other than `blanks`,
// where double quotes keep blanks in a word and are dropped ("" alone is an
// empty word). Unclosed tells that the line ended inside quotes; the last
// word then runs to the end.
struct TQuotedWords {
  std::vector<std::string> Words;
  bool Unclosed = false;
};
TQuotedWords SplitQuotedWords(std::string_view line, std::string_view blanks = " \t");

}  // namespace platform
