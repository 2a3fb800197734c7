#include "platform/base/text.h"

#include <algorithm>

namespace platform {

int CompareStr(std::string_view a, std::string_view b) { return a.compare(b); }

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

std::string Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

TQuotedWords SplitQuotedWords(std::string_view line, std::string_view blanks) {
  TQuotedWords result;
  std::string word;
  bool inWord = false;
  for (const char c : line) {
    if (c == '"') {
      result.Unclosed = !result.Unclosed;
      inWord = true;
    } else if (!result.Unclosed && blanks.find(c) != std::string_view::npos) {
      if (inWord) result.Words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) result.Words.push_back(std::move(word));
  return result;
}

}  // namespace platform
