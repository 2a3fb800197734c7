#include "Lxv/Literals.h"

#include "platform/base/conversions.h"
#include "platform/base/text.h"

namespace Lxv {

namespace {
bool IsControl(char c) { return static_cast<unsigned char>(c) < 32; }

// The character that backslash + `c` stands for, 0 when it is no escape.
char Unescaped(char c) {
  switch (c) {
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return 0;
  }
}
}  // namespace

void ConvertToLiterals(std::string& s) {
  std::string out;
  out.reserve(s.size() + 2);
  bool quoted = false;
  for (char c : s) {
    if (IsControl(c)) {
      if (quoted) out += '\'';
      quoted = false;
      out += '#';
      out += std::to_string(static_cast<unsigned char>(c));
      continue;
    }
    if (!quoted) out += '\'';
    quoted = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (s.empty()) out = "''";
  if (quoted) out += '\'';
  s = std::move(out);
}

void ConvertFromLiterals(std::string& s) {
  std::string out;
  out.reserve(s.size());
  bool inRun = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '#' && !inRun) {
      std::size_t end = i + 1;
      while (end < s.size() && end < i + 4 && platform::IsAsciiDigit(s[end])) ++end;
      const std::string digits = s.substr(i + 1, end - i - 1);
      if (digits.empty()) {
        s = out + s.substr(i + 1);  // the "#" is gone already when the conversion fails
        platform::StrToInt(digits);  // raises the framework's conversion error
      }
      out += static_cast<char>(platform::StrToInt(digits) % 256);
      i = end - 1;
    } else if (c == '\'' && inRun && i + 1 < s.size() && s[i + 1] == '\'') {
      out += '\'';
      ++i;
    } else if (c == '\'') {
      inRun = !inRun;
    } else {
      out += c;
    }
  }
  s = std::move(out);
}

std::string WriteString(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

std::string ReadString(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char resolved = s[i] == '\\' && i + 1 < s.size() ? Unescaped(s[i + 1]) : 0;
    if (resolved != 0) {
      out += resolved;
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace Lxv
