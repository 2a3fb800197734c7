#pragma once
// Translation files: the tables of many translator components in one text
// file. A line of a component is "#2" + owner name + "." + table key + "%" +
// the component's Locale tag in decimal + "=" + value, e.g.
//   #2Form1.00000409_LONGDAYNAMES[1]%0=Monday
// Lines end with CR LF; lines of other owners, other tags and other shapes are
// carried along untouched. Lines of the owner with tag -1 are dropped by every
// save of that owner and loaded only by a component whose tag is -1.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Lxv/SortList.h"

namespace platform {
class TComponent;
}

namespace Lxv {

// The tag whose lines any component of the owner removes when it saves.
inline constexpr std::int32_t kSharedLocaleTag = -1;

// Skipped at the start of a file when reading; never written.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The file's lines as every reader of translation files takes them: a
// leading byte-order mark skipped, CR LF, CR and LF each ending a line.
// Raises EFOpenError for a file past kMaxTextFileBytes or kMaxTextFileLines.
void ReadTranslationLines(TSortList& lines, const std::string& fileName);

// The owner's Name; when that is empty, its class name without the first
// character (at most 255 characters). A component without an owner has the
// empty owner name: its lines start "#2.".
std::string TranslationOwnerName(const platform::TComponent* owner);

// A line of a translation file taken apart as the file operations read it.
struct TTranslationLine {
  std::string_view Prefix;         // before the first "."; "#2" + owner name on a component's line
  std::string_view KeyField;       // after that ".", cut to kMaxValueLength, up to the first "="
  std::string_view Key;            // KeyField before its first "%"
  std::string_view ValuePart;      // "=" and the value (cut with KeyField); empty without "="
  std::string_view SavedKeyField;  // the whole line before its first "=": saving reads the tag here
};
// Empty for a line without ".", which belongs to no component.
std::optional<TTranslationLine> SplitTranslationLine(std::string_view line);

// The tag of a key field: its text after the first "%" (at most 255
// characters) as an integer. Raises EConvertError naming the file and the
// line (counted from 1).
std::int32_t ReadTag(std::string_view keyField, const std::string& fileName, int lineNumber);

// Replaces the lines of (ownerName, locale) - and the owner's tag -1 lines -
// in the file with the table's lines, keeping the file sorted. The hourglass
// cursor shows meanwhile. The file is locked (platform::TFileLock) from the
// read to the replacement, which is atomic: when anything fails the old file
// stays as it was. That includes a line of the owner whose tag is no integer
// (EConvertError naming the file and line), a table line holding CR or LF
// (EWriteError naming the file, key and tag) and a result the readers would
// refuse for its size (EWriteError).
void SaveTranslationFile(const TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName);

// Raises the EWriteError that saving the table raises for a line holding CR
// or LF: such a line would break into two lines of the file.
void RefuseLineBreaks(const TSortList& table, std::int32_t locale, const std::string& fileName);

// Merges the lines of (ownerName, locale) into the table: a line replaces the
// table line of the same key, or is added at its sorted place. False when the
// file does not exist. A line of the owner whose tag is no integer raises
// EConvertError naming the file and line, and nothing is merged.
bool LoadTranslationFile(TSortList& table, const std::string& ownerName, std::int32_t locale,
                         const std::string& fileName);

}  // namespace Lxv
