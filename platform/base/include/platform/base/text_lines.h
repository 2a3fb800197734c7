#pragma once
// Text taken apart into lines: the splitting every line list and line reader
// shares, and a text file read whole with its lines as views into it.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits at CR LF, lone CR or lone LF; a final line break adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Lines written one after the other into one text, so that building many
// allocates nothing per line. Their views are taken once the text is
// complete, since appending may move it.
class TLineText {
 public:
  void Reserve(std::size_t bytes, std::size_t lines) {
    text_.reserve(bytes);
    ends_.reserve(lines);
  }
  // One line made of the parts, end to end.
  template <class... Parts>
  void AddLine(const Parts&... parts) {
    (text_.append(parts), ...);
    ends_.push_back(text_.size());
  }
  std::vector<std::string_view> Lines() const;

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

// A text file's bytes and their lines, which point into them: neither copied
// nor moved, so the lines stay valid as long as the object. Raises what
// ReadFileBytes raises (platform/base/files.h), with kMaxTextFileBytes as
// the limit, and EFOpenError naming the file when it holds more than
// kMaxTextFileLines lines.
class TTextFile {
 public:
  explicit TTextFile(const std::string& path);
  TTextFile(const TTextFile&) = delete;
  TTextFile& operator=(const TTextFile&) = delete;

  const std::vector<std::string_view>& Lines() const { return lines_; }
  // Drops the first bytes of line 0 (a byte-order mark, say); n is at most
  // that line's size.
  void DropFirstBytes(std::size_t n) { lines_.front().remove_prefix(n); }

 private:
  std::string bytes_;
  std::vector<std::string_view> lines_;
};

}  // namespace platform
