// TLexivar: the locale list, one display name per locale of the table.
#include <string>
#include <string_view>

#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/TableLine.h"
#include "platform/format/format.h"
#include "platform/forms/dialogs.h"

namespace Lxv {

using namespace platform;

namespace {

// The name slots of one locale, filled from its lines in table order.
struct TLocaleNames {
  std::string englishName, englishCountry, nativeName, nativeCountry;
  void ClearOthers() {  // the native name is set where it is used
    englishName.clear();
    englishCountry.clear();
    nativeCountry.clear();
  }
};

std::string_view Before(std::string_view line, char c) {
  const std::size_t at = line.find(c);
  return at == std::string_view::npos ? std::string_view() : line.substr(0, at);
}

}  // namespace

void TLexivar::UpdateLangList() {
  localeList_->Clear();
  TLocaleNames names;
  std::string group;  // hex part of the locale whose lines are being read
  for (int i = 0; i < translations_->Count(); ++i) {
    const std::string_view line = translations_->Strings(i);
    const std::string_view hex = Before(line, '_');
    // A locale that lacks a name line must not borrow its predecessor's.
    if (hex != group) {
      group = hex;
      names.ClearOthers();
    }
    const std::string_view key = Before(line, '=');
    if (key.size() <= hex.size() || key.substr(0, hex.size()) != hex) continue;
    const std::string_view name = key.substr(hex.size());
    const std::string_view value = LineValue(line);
    if (name == "_ENGLISHCOUNTRYNAME") names.englishCountry = value;
    else if (name == "_ENGLISHNAME") names.englishName = value;
    else if (name == "_NATIVECOUNTRYNAME") names.nativeCountry = value;
    else if (name == "_NATIVENAME") {
      TObject* lcid = ObjectFromInt(HexToInt(hex));
      if (localeList_->IndexOfObject(lcid) >= 0) continue;
      names.nativeName = value;
      localeList_->SortInsert(
          Format(listFormat_, {names.englishName, names.englishCountry, names.nativeName, names.nativeCountry}), lcid);
    }
  }
}

void TLexivar::SetListFormat(const std::string& value) {
  if (value == listFormat_) return;
  if (value.find('%') == std::string::npos) {
    ShowMessage("Invalid format string, you must provide at least one string index");
    return;
  }
  listFormat_ = value;
  UpdateAdoptOn();
}

}  // namespace Lxv
