#include "Lxv/TranslationFile.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "Lxv/TableLine.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text_lines.h"
#include "platform/classes/component.h"
#include "platform/forms/screen.h"

namespace Lxv {

namespace {

constexpr std::size_t kMaxTagLength = 255;
constexpr std::size_t kMaxOwnerClassLength = 255;

// The text up to the first `c`, the whole text when there is none: a line
// without "=" then keeps its key and has an empty value.
std::string_view UpTo(std::string_view text, char c) { return text.substr(0, text.find(c)); }

// The text after the first `c`, empty when there is none.
std::string_view After(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
}

// "#2" + owner name: the text before the first "." of the owner's lines.
std::string OwnerPrefix(const std::string& ownerName) { return "#2" + ownerName; }

bool IsOwnLine(std::string_view line, std::string_view prefix) {
  return line.substr(0, line.find('.')) == prefix && line.size() > prefix.size();
}

// The first index whose line is not less than text (byte order); line(i)
// gives line i.
template <class Line>
int FirstNotLess(int count, std::string_view text, Line line) {
  int low = 0, high = count;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (line(middle) < text) low = middle + 1;
    else high = middle;
  }
  return low;
}

// The indexes of the owner's lines among `count` lines, ascending. A line is
// the owner's exactly when it starts with prefix + "." (for a prefix without
// "."), so in lines in byte order they stand together from the first line
// not less than that: a bisection finds them. Out of order, every line is
// looked at.
template <class Line>
std::vector<int> OwnLines(int count, bool inByteOrder, std::string_view prefix, Line line) {
  std::vector<int> own;
  if (!inByteOrder || prefix.find('.') != std::string_view::npos) {
    for (int i = 0; i < count; ++i)
      if (IsOwnLine(line(i), prefix)) own.push_back(i);
    return own;
  }
  const std::string head = std::string(prefix) + ".";
  for (int i = FirstNotLess(count, head, line); i < count && line(i).starts_with(head); ++i) own.push_back(i);
  return own;
}

// A translation file read whole; a leading byte-order mark is not part of
// its first line.
class TTranslationText {
 public:
  explicit TTranslationText(const std::string& fileName) : file_(fileName) {
    if (!Lines().empty() && Lines().front().starts_with(kUtf8ByteOrderMark))
      file_.DropFirstBytes(kUtf8ByteOrderMark.size());
  }
  const std::vector<std::string_view>& Lines() const { return file_.Lines(); }

 private:
  platform::TTextFile file_;
};

// Drops the owner's lines of `locale` and of the shared tag, last to first.
void RemoveOwnLines(TSortList& lines, std::string_view prefix, std::int32_t locale, const std::string& fileName) {
  const std::vector<int> own =
      OwnLines(lines.Count(), lines.InByteOrder(), prefix, [&lines](int i) { return lines.Strings(i); });
  for (auto i = own.rbegin(); i != own.rend(); ++i) {
    const std::int32_t tag = ReadTag(UpTo(lines.Strings(*i), '='), fileName, *i + 1);
    if (tag == locale || tag == kSharedLocaleTag) lines.Delete(*i);
  }
}

// Puts the lines where SortInsert, one after the other, would put them. Into
// a list in order that is the sorted union of both (the lines carry no
// objects, so equal lines are interchangeable), which MergeLines makes in one
// pass instead of a bisection per line; a list out of order (lines of other
// shapes written by hand) takes them by bisection.
void InsertAll(TSortList& lines, std::vector<std::string_view>& added) {
  if (!lines.InByteOrder()) {
    for (std::string_view line : added) lines.SortInsert(line, nullptr);
    return;
  }
  std::sort(added.begin(), added.end());
  lines.MergeLines(added);
}

// Puts "KEY" + valuePart ("=VALUE", or empty) into the table in place of the
// line of that key. The search uses KEY + "=", so a key that is a prefix of
// another key ("X_A" beside "X_A1") never takes the other's line.
void MergeLine(TSortList& table, std::string_view key, std::string_view valuePart) {
  std::string line(key);
  line += '=';
  int index = -1;
  table.SortFind(line, index);
  if (index < table.Count() && table.Strings(index).compare(0, line.size(), line) == 0) table.Delete(index);
  line.resize(key.size());
  line += valuePart;
  table.SortInsert(line, nullptr);
}

// A file past the readers' limits could be written but never read again.
void RefuseUnreadable(const TSortList& lines, std::size_t bytes, const std::string& fileName) {
  const auto count = static_cast<std::size_t>(lines.Count());
  if (bytes <= platform::kMaxTextFileBytes && count <= platform::kMaxTextFileLines) return;
  throw platform::EWriteError("Cannot save translation file \"" + fileName + "\": it would hold " +
                              std::to_string(bytes) + " bytes in " + std::to_string(count) +
                              " lines, more than the readers take (" + std::to_string(platform::kMaxTextFileBytes) +
                              " bytes, " + std::to_string(platform::kMaxTextFileLines) + " lines)");
}

}  // namespace

void ReadTranslationLines(TSortList& lines, const std::string& fileName) {
  const TTranslationText text(fileName);
  lines.SetLines(text.Lines());
}

namespace {

// A line break would end the file's line there and make the rest a line of
// its own, which may pass for a line of any owner.
void RefuseLineBreak(std::string_view line, std::int32_t locale, const std::string& fileName) {
  // Two memchr scans cost less than one find_first_of, which tries both
  // characters at every byte.
  if (line.find('\r') == std::string_view::npos && line.find('\n') == std::string_view::npos) return;
  const std::string_view key = UpTo(line, '=');
  throw platform::EWriteError("Cannot save translation file \"" + fileName + "\": the value of key " +
                              std::string(key) + " (locale " + std::string(key.substr(0, 8)) + ", tag " +
                              platform::IntToStr(locale) + ") holds a line break");
}

// The lines a table gives its owner in the file ("#2" + owner + "." + key +
// "%" + tag + "=" + value).
platform::TLineText OwnerLines(const TSortList& table, std::string_view head, std::int32_t locale,
                               const std::string& fileName) {
  const std::string tag = "%" + platform::IntToStr(locale);
  platform::TLineText own;
  own.Reserve(0, static_cast<std::size_t>(table.Count()));
  for (int i = 0; i < table.Count(); ++i) {
    const std::string_view tableLine = table.Strings(i);
    RefuseLineBreak(tableLine, locale, fileName);
    const std::string_view key = UpTo(tableLine, '=');
    own.AddLine(head, key, tag, Utf8Head(tableLine.substr(key.size()), kMaxValueLength));
  }
  return own;
}

}  // namespace

void RefuseLineBreaks(const TSortList& table, std::int32_t locale, const std::string& fileName) {
  for (int i = 0; i < table.Count(); ++i) RefuseLineBreak(table.Strings(i), locale, fileName);
}

std::optional<TTranslationLine> SplitTranslationLine(std::string_view line) {
  const std::size_t dot = line.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  TTranslationLine split;
  split.Prefix = line.substr(0, dot);
  const std::string_view rest = Utf8Head(line.substr(dot + 1), kMaxValueLength);
  split.KeyField = UpTo(rest, '=');
  split.Key = UpTo(split.KeyField, '%');
  split.ValuePart = rest.substr(split.KeyField.size());
  split.SavedKeyField = UpTo(line, '=');
  return split;
}

std::int32_t ReadTag(std::string_view keyField, const std::string& fileName, int lineNumber) {
  try {
    return platform::StrToInt(Utf8Head(After(keyField, '%'), kMaxTagLength));
  } catch (const platform::EConvertError& e) {
    throw platform::EConvertError("Translation file \"" + fileName + "\", line " + std::to_string(lineNumber) +
                                  ": " + e.Message());
  }
}

std::string TranslationOwnerName(const platform::TComponent* owner) {
  if (owner == nullptr) return {};
  if (!owner->Name().empty()) return owner->Name();
  const std::string& className = owner->ClassName();
  if (className.empty()) return {};
  return std::string(Utf8Head(std::string_view(className).substr(1), kMaxOwnerClassLength));
}

void SaveTranslationFile(const TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName) {
  const platform::TCursorScope busy(platform::crHourGlass);
  const std::string prefix = OwnerPrefix(ownerName);
  const platform::TLineText own = OwnerLines(table, prefix + ".", locale, fileName);  // refuses before anything is read
  // From the read to the rename, so that no other save's lines are lost.
  const platform::TFileLock lock(fileName);
  TSortList lines;
  if (platform::FileExists(fileName)) ReadTranslationLines(lines, fileName);
  RemoveOwnLines(lines, prefix, locale, fileName);
  std::vector<std::string_view> added = own.Lines();
  InsertAll(lines, added);
  std::string file = lines.Text();
  // Readers skip one byte-order mark at the start of a file. A first line
  // whose own bytes begin with one (a line of another shape that stood
  // further down until the lines before it went) would lose them, and could
  // then pass for a line of this owner: a mark written before it keeps it
  // whole.
  if (file.starts_with(kUtf8ByteOrderMark)) file.insert(0, kUtf8ByteOrderMark);
  RefuseUnreadable(lines, file.size(), fileName);
  platform::WriteFileAtomically(fileName, file);
}

bool LoadTranslationFile(TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName) {
  if (!platform::FileExists(fileName)) return false;
  // The file's lines are looked at where they were read, not copied into a
  // list: only the owner's are used.
  const TTranslationText text(fileName);
  const std::vector<std::string_view>& lines = text.Lines();
  const std::string prefix = OwnerPrefix(ownerName);
  // All lines are read before the first is merged: a bad tag leaves the
  // table as it was.
  std::vector<TTranslationLine> own;
  const bool inByteOrder = std::is_sorted(lines.begin(), lines.end());
  const auto line = [&lines](int i) { return lines[static_cast<std::size_t>(i)]; };
  for (int i : OwnLines(static_cast<int>(lines.size()), inByteOrder, prefix, line)) {
    const TTranslationLine split = *SplitTranslationLine(line(i));
    if (ReadTag(split.KeyField, fileName, i + 1) == locale) own.push_back(split);
  }
  for (const TTranslationLine& line : own) MergeLine(table, line.Key, line.ValuePart);
  return true;
}

}  // namespace Lxv
