#include "file_report.h"

#include <cctype>
#include <map>
#include <optional>
#include <tuple>

#include "Lxv/SortList.h"
#include "Lxv/TranslationFile.h"
#include "platform/base/exceptions.h"

namespace lxvtrans {

namespace {

// A line of some component: "#2" + owner name, then "." and the rest.
std::optional<Lxv::TTranslationLine> ComponentLine(std::string_view line) {
  std::optional<Lxv::TTranslationLine> split = Lxv::SplitTranslationLine(line);
  if (split && !split->Prefix.starts_with("#2")) split.reset();
  return split;
}

std::string OwnerOf(const Lxv::TTranslationLine& line) { return std::string(line.Prefix.substr(2)); }

// The component's own reading of the tag; the message names file and line.
std::optional<std::int32_t> TagOf(std::string_view keyField, const std::string& fileName, int lineNumber,
                                  std::string* fault = nullptr) {
  try {
    return Lxv::ReadTag(keyField, fileName, lineNumber);
  } catch (const platform::EConvertError& e) {
    if (fault != nullptr) *fault = e.Message();
    return std::nullopt;
  }
}

// "00000409" for a catalogue key of that locale.
std::optional<std::string> LocaleOf(std::string_view key) {
  if (key.size() < 10 || key[8] != '_') return std::nullopt;
  for (char c : key.substr(0, 8))
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
  return std::string(key.substr(0, 8));
}

// "tag "x" (not an integer)", or "no tag" when the key field has no "%".
std::string BadTagLabel(const Lxv::TTranslationLine& line) {
  if (line.KeyField.size() == line.Key.size()) return "no tag";
  return "tag \"" + std::string(line.KeyField.substr(line.Key.size() + 1)) + "\" (not an integer)";
}

struct TTagCount {
  int Lines = 0;
  int OtherKeys = 0;
  std::map<std::string, int> Locales;
};

struct TOwnerCount {
  std::map<std::int32_t, TTagCount> Tags;
  std::map<std::string, TTagCount> BadTags;  // by BadTagLabel
};

void PrintTag(const std::string& label, const TTagCount& count, std::ostream& out) {
  out << "  " << label << ": " << count.Lines << (count.Lines == 1 ? " line" : " lines");
  const char* separator = "; locales ";
  for (const auto& [locale, lines] : count.Locales) {
    out << separator << locale << " (" << lines << ")";
    separator = ", ";
  }
  if (count.OtherKeys > 0) out << "; other keys (" << count.OtherKeys << ")";
  out << "\n";
}

}  // namespace

void ListFile(const std::string& fileName, std::ostream& out) {
  Lxv::TSortList lines;
  lines.LoadFromFile(fileName);
  std::map<std::string, TOwnerCount> owners;
  int componentLines = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::optional<Lxv::TTranslationLine> line = ComponentLine(lines.Strings(i));
    if (!line) continue;
    ++componentLines;
    TOwnerCount& owner = owners[OwnerOf(*line)];
    const std::optional<std::int32_t> tag = TagOf(line->KeyField, fileName, i + 1);
    TTagCount& count = tag ? owner.Tags[*tag] : owner.BadTags[BadTagLabel(*line)];
    ++count.Lines;
    if (const std::optional<std::string> locale = LocaleOf(line->Key)) ++count.Locales[*locale];
    else ++count.OtherKeys;
  }
  out << fileName << ": " << lines.Count() << " lines; " << componentLines << " of " << owners.size()
      << (owners.size() == 1 ? " owner, " : " owners, ") << lines.Count() - componentLines << " of other shapes\n";
  for (const auto& [name, owner] : owners) {
    out << (name.empty() ? "(no owner name)" : name) << "\n";
    for (const auto& [tag, count] : owner.Tags) PrintTag("tag " + std::to_string(tag), count, out);
    for (const auto& [label, count] : owner.BadTags) PrintTag(label, count, out);
  }
}

int CheckFile(const std::string& fileName, std::ostream& out) {
  Lxv::TSortList lines;
  lines.LoadFromFile(fileName);
  // Owner, tag and key of each line, with the number of the line that had it first.
  std::map<std::tuple<std::string, std::int32_t, std::string>, int> seen;
  int problems = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::optional<Lxv::TTranslationLine> line = ComponentLine(lines.Strings(i));
    if (!line) continue;
    const std::string owner = OwnerOf(*line);
    std::string loadFault, saveFault;
    const std::optional<std::int32_t> tag = TagOf(line->KeyField, fileName, i + 1, &loadFault);
    TagOf(line->SavedKeyField, fileName, i + 1, &saveFault);
    if (!loadFault.empty() || !saveFault.empty()) {
      const char* fails = loadFault.empty() ? "saving" : saveFault.empty() ? "loading" : "loading and saving";
      out << (loadFault.empty() ? saveFault : loadFault) << " (" << fails << " the lines of owner \"" << owner
          << "\" fail here)\n";
      ++problems;
      continue;
    }
    const std::string key(line->Key);
    const auto [first, fresh] = seen.emplace(std::make_tuple(owner, *tag, key), i + 1);
    if (fresh) continue;
    out << "Translation file \"" << fileName << "\", line " << i + 1 << ": key " << key << " of owner \"" << owner
        << "\" with tag " << *tag << " again (first on line " << first->second
        << "); loading keeps the last value\n";
    ++problems;
  }
  out << fileName << ": ";
  if (problems == 0) out << "no problems";
  else out << problems << (problems == 1 ? " problem" : " problems");
  out << " in " << lines.Count() << " lines\n";
  return problems;
}

}  // namespace lxvtrans
