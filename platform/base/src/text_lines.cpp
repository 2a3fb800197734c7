#include "platform/base/text_lines.h"

#include <cstring>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"

namespace platform {

namespace {

// The first c in [from, to), or to.
const char* Find(const char* from, const char* to, char c) {
  const void* at = std::memchr(from, c, static_cast<std::size_t>(to - from));
  return at == nullptr ? to : static_cast<const char*>(at);
}

}  // namespace

// Each stretch up to an LF is searched for CRs with memchr, not byte by byte.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* p = begin; p < end;) {
    const char* const lf = Find(p, end, '\n');
    for (const char* cr = Find(p, lf, '\r'); cr < lf; cr = Find(p, lf, '\r')) {
      lines.emplace_back(p, static_cast<std::size_t>(cr - p));
      p = cr + 1;
    }
    if (lf == end) {
      if (p < end) lines.emplace_back(p, static_cast<std::size_t>(end - p));
      break;
    }
    // A CR right before the LF has ended the line already: the LF adds none.
    // (Before any CR of this stretch, p follows an LF or is the start.)
    if (p != lf || p == begin || p[-1] != '\r') lines.emplace_back(p, static_cast<std::size_t>(lf - p));
    p = lf + 1;
  }
  return lines;
}

std::vector<std::string_view> TLineText::Lines() const {
  std::vector<std::string_view> lines;
  lines.reserve(ends_.size());
  std::size_t start = 0;
  for (std::size_t end : ends_) {
    lines.push_back(std::string_view(text_).substr(start, end - start));
    start = end;
  }
  return lines;
}

TTextFile::TTextFile(const std::string& path)
    : bytes_(ReadFileBytes(path, kMaxTextFileBytes)), lines_(SplitLines(bytes_)) {
  if (lines_.size() > kMaxTextFileLines)
    throw EFOpenError("File \"" + path + "\" holds more than " + std::to_string(kMaxTextFileLines) + " lines");
}

}  // namespace platform
