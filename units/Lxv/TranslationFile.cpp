#include "Lxv/TranslationFile.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "Lxv/TableLine.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/classes/component.h"
#include "platform/forms/screen.h"

namespace Lxv {

namespace {

constexpr std::size_t kMaxTagLength = 255;
constexpr std::size_t kMaxOwnerClassLength = 255;

// The text before the first `c`, the whole text when there is none: a line
// without "=" then keeps its key and has an empty value.
std::string_view Before(std::string_view text, char c) { return text.substr(0, text.find(c)); }

// The text after the first `c`, empty when there is none.
std::string_view After(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
}

// "#2" + owner name: the text before the first "." of the owner's lines.
std::string LinePrefix(const std::string& ownerName) { return "#2" + ownerName; }

bool IsOwnLine(std::string_view line, std::string_view prefix) {
  return line.substr(0, line.find('.')) == prefix && line.size() > prefix.size();
}

// Drops the owner's lines of `locale` and of the shared tag, last to first.
void RemoveOwnLines(TSortList& lines, std::string_view prefix, std::int32_t locale, const std::string& fileName) {
  for (int i = lines.Count() - 1; i >= 0; --i) {
    const std::string_view line = lines.Strings(i);
    if (!IsOwnLine(line, prefix)) continue;
    const std::int32_t tag = ReadTag(Before(line, '='), fileName, i + 1);
    if (tag == locale || tag == kSharedLocaleTag) lines.Delete(i);
  }
}

// Puts the lines where SortInsert, one after the other, would put them. Into
// a list in order that is the sorted union of both (the lines carry no
// objects, so equal lines are interchangeable), made here in one forward
// pass instead of a bisection per line; a list out of order (lines of other
// shapes written by hand) takes them by bisection.
void InsertAll(TSortList& lines, std::vector<std::string>& added) {
  if (!lines.InByteOrder()) {
    for (const std::string& line : added) lines.SortInsert(line, nullptr);
    return;
  }
  std::sort(added.begin(), added.end());
  int at = 0;
  for (const std::string& line : added) {
    while (at < lines.Count() && lines.Strings(at).compare(line) < 0) ++at;
    lines.InsertObject(at++, line, nullptr);
  }
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

}  // namespace

std::optional<TTranslationLine> SplitTranslationLine(std::string_view line) {
  const std::size_t dot = line.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  TTranslationLine split;
  split.Prefix = line.substr(0, dot);
  const std::string_view rest = Utf8Head(line.substr(dot + 1), kMaxValueLength);
  split.KeyField = Before(rest, '=');
  split.Key = Before(split.KeyField, '%');
  split.ValuePart = rest.substr(split.KeyField.size());
  split.SavedKeyField = Before(line, '=');
  return split;
}

std::int32_t ReadTag(std::string_view keyField, const std::string& fileName, int lineNumber) {
  try {
    return platform::StrToInt(After(keyField, '%').substr(0, kMaxTagLength));
  } catch (const platform::EConvertError& e) {
    throw platform::EConvertError("Translation file \"" + fileName + "\", line " + std::to_string(lineNumber) +
                                  ": " + e.Message());
  }
}

std::string TranslationOwnerName(const platform::TComponent* owner) {
  if (owner == nullptr) return {};
  if (!owner->Name().empty()) return owner->Name();
  const std::string& className = owner->ClassName();
  return className.empty() ? std::string() : className.substr(1, kMaxOwnerClassLength);
}

void SaveTranslationFile(const TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName) {
  const platform::TCursorScope busy(platform::crHourGlass);
  TSortList lines;
  if (platform::FileExists(fileName)) lines.LoadFromFile(fileName);
  const std::string prefix = LinePrefix(ownerName);
  RemoveOwnLines(lines, prefix, locale, fileName);
  const std::string head = prefix + ".";
  const std::string tag = "%" + platform::IntToStr(locale);
  std::vector<std::string> added;
  added.reserve(static_cast<std::size_t>(table.Count()));
  for (int i = 0; i < table.Count(); ++i) {
    const std::string_view tableLine = table.Strings(i);
    const std::string_view key = Before(tableLine, '=');
    std::string& line = added.emplace_back(head);
    line.append(key).append(tag).append(Utf8Head(tableLine.substr(key.size()), kMaxValueLength));
  }
  InsertAll(lines, added);
  lines.SaveToFile(fileName);
}

bool LoadTranslationFile(TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName) {
  if (!platform::FileExists(fileName)) return false;
  TSortList lines;
  lines.LoadFromFile(fileName);
  const std::string prefix = LinePrefix(ownerName);
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string_view line = lines.Strings(i);
    if (!IsOwnLine(line, prefix)) continue;
    const TTranslationLine split = *SplitTranslationLine(line);
    if (ReadTag(split.KeyField, fileName, i + 1) != locale) continue;
    MergeLine(table, split.Key, split.ValuePart);
  }
  return true;
}

}  // namespace Lxv
