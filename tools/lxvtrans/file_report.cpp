#include "file_report.h"

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "Lxv/RegionalSettings.h"
#include "Lxv/SortList.h"
#include "Lxv/TableLine.h"
#include "Lxv/TranslationFile.h"
#include "Lxv/ValueChecks.h"
#include "platform/base/exceptions.h"
#include "platform/classes/component.h"

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
  Lxv::ReadTranslationLines(lines, fileName);
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

namespace {

// Whether the bytes are well-formed UTF-8: no overlong form, no surrogate,
// nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    const auto second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
      return false;
    i += length;
  }
  return true;
}

// The key names of the catalogue ("_LONGDAYNAMES[1]"): what every locale of
// a table holds.
const std::set<std::string>& CatalogueNames() {
  static const std::set<std::string> names = [] {
    std::set<std::string> result;
    for (const Lxv::TRegionalSetting& row : Lxv::RegionalSettings()) result.emplace(row.KeyName());
    return result;
  }();
  return names;
}

// Lines of one kind counted, with the first of them.
struct TFirstOf {
  int Count = 0;
  int Line = 0;
  std::string Key;
  void Add(int line, std::string_view key = {}) {
    if (Count++ == 0) {
      Line = line;
      Key = key;
    }
  }
};

class TChecker {
 public:
  TChecker(const std::string& fileName, std::ostream& out) : fileName_(fileName), out_(out) {}

  void Line(int number, std::string_view text) {
    if (text.find('\0') != std::string_view::npos) nul_.Add(number);
    if (!IsUtf8(text)) notUtf8_.Add(number);
    if (const std::optional<Lxv::TTranslationLine> line = ComponentLine(text)) CheckComponentLine(number, *line, text);
  }

  int Finish(int lineCount) {
    if (componentLines_ == 0) Report() << "no line of any component (#2OWNER.KEY%TAG=VALUE)\n";
    Summary(nul_, "NUL bytes, which no table value can hold,");
    Summary(notUtf8_, "bytes that are not UTF-8 text");
    if (cut_.Count > 0)
      Report() << cut_.Count << (cut_.Count == 1 ? " value is" : " values are") << " longer than "
               << Lxv::kMaxValueLength << " characters and cut on loading (first: key " << cut_.Key << " on line "
               << cut_.Line << ")\n";
    MissingCatalogueKeys();
    out_ << fileName_ << ": ";
    if (problems_ == 0) out_ << "no problems";
    else out_ << problems_ << (problems_ == 1 ? " problem" : " problems");
    out_ << " in " << lineCount << " lines\n";
    return problems_;
  }

 private:
  std::ostream& Report() {
    ++problems_;
    return out_ << "Translation file \"" << fileName_ << "\": ";
  }
  std::ostream& Report(int line) {
    ++problems_;
    return out_ << "Translation file \"" << fileName_ << "\", line " << line << ": ";
  }

  void Summary(const TFirstOf& lines, const char* what) {
    if (lines.Count == 0) return;
    Report() << what << " on " << lines.Count << (lines.Count == 1 ? " line" : " lines") << " (first: line "
             << lines.Line << ")\n";
  }

  void CheckComponentLine(int number, const Lxv::TTranslationLine& line, std::string_view text) {
    ++componentLines_;
    const std::string owner = OwnerOf(line);
    std::string loadFault, saveFault;
    const std::optional<std::int32_t> tag = TagOf(line.KeyField, fileName_, number, &loadFault);
    TagOf(line.SavedKeyField, fileName_, number, &saveFault);
    if (!loadFault.empty() || !saveFault.empty()) {
      const char* fails = loadFault.empty() ? "saving" : saveFault.empty() ? "loading" : "loading and saving";
      ++problems_;
      out_ << (loadFault.empty() ? saveFault : loadFault) << " (" << fails << " the lines of owner \"" << owner
           << "\" fail here)\n";
      return;
    }
    const std::string key(line.Key);
    if (line.ValuePart.empty())
      Report(number) << "no \"=\": key " << key << " of owner \"" << owner << "\" loads with an empty value\n";
    const std::string_view rest = text.substr(line.Prefix.size() + 1);
    if (Lxv::Utf8Head(rest, Lxv::kMaxValueLength).size() < rest.size()) cut_.Add(number, key);
    if (const std::optional<std::string> locale = LocaleOf(key)) {
      locales_[{owner, *tag, *locale}].insert(key.substr(8));
      const std::string_view value = line.ValuePart.empty() ? line.ValuePart : line.ValuePart.substr(1);
      if (const std::string problem = Lxv::ValueProblem(std::string_view(key).substr(8), value); !problem.empty())
        Report(number) << "key " << key << " of owner \"" << owner << "\": " << problem << "\n";
    }
    const auto [first, fresh] = seen_.emplace(std::make_tuple(owner, *tag, key), number);
    if (!fresh)
      Report(number) << "key " << key << " of owner \"" << owner << "\" with tag " << *tag
                     << " again (first on line " << first->second << "); loading keeps the last value\n";
  }

  // Applying a locale sets only what its lines hold: the previous locale's
  // values stay for the rest.
  void MissingCatalogueKeys() {
    const std::set<std::string>& catalogue = CatalogueNames();
    for (const auto& [where, names] : locales_) {
      std::vector<std::string> missing;
      for (const std::string& name : catalogue)
        if (!names.contains(name)) missing.push_back(name);
      if (missing.empty()) continue;
      const auto& [owner, tag, locale] = where;
      std::ostream& out = Report() << "owner \"" << owner << "\", tag " << tag << ", locale " << locale << " lacks "
                                   << missing.size() << " of the " << catalogue.size() << " catalogue keys:";
      for (const std::string& name : missing) out << " " << name;
      out << "\n";
    }
  }

  const std::string& fileName_;
  std::ostream& out_;
  int problems_ = 0;
  int componentLines_ = 0;
  TFirstOf nul_, notUtf8_, cut_;
  // Owner, tag and key of each line, with the number of the line that had it first.
  std::map<std::tuple<std::string, std::int32_t, std::string>, int> seen_;
  // The catalogue names each owner, tag and locale holds.
  std::map<std::tuple<std::string, std::int32_t, std::string>, std::set<std::string>> locales_;
};

}  // namespace

void PreviewFile(const std::string& fileName, const std::string& owner, const std::string& locale,
                 std::int32_t tag, std::ostream& out) {
  platform::TComponent standIn(nullptr);
  standIn.SetName(owner);
  auto* lexivar = new Lxv::TLexivar(&standIn);  // freed with the stand-in
  lexivar->SetName("Preview");
  lexivar->SetLocale(tag);
  lexivar->Translations()->Clear();
  if (!lexivar->LoadFrom(fileName)) throw platform::EFOpenError("Cannot open file \"" + fileName + "\"");
  for (const std::string& line : Lxv::LocalePreview(*lexivar, locale)) out << line << "\n";
}

int CheckFile(const std::string& fileName, std::ostream& out) {
  Lxv::TSortList lines;
  Lxv::ReadTranslationLines(lines, fileName);
  TChecker checker(fileName, out);
  for (int i = 0; i < lines.Count(); ++i) checker.Line(i + 1, lines.Strings(i));
  return checker.Finish(lines.Count());
}

}  // namespace lxvtrans
