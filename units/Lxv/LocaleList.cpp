// TLexivar: the locale list, one display name per locale of the table.
#include <string>
#include <string_view>

#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "Lxv/TableLine.h"
#include "platform/base/exceptions.h"
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

bool IsKeyOf(std::string_view name, TSettingField field) { return name == RegionalSettingOf(field).KeyName(); }

// The display name of the four names by the pattern; raises when the pattern
// does not fit them.
std::string DisplayName(const std::string& pattern, const TLocaleNames& names) {
  return Format(pattern, {names.englishName, names.englishCountry, names.nativeName, names.nativeCountry});
}

}  // namespace

void TLexivar::UpdateLangList() {
  localeList_->Clear();
  TLocaleNames names;
  std::string group;  // hex part of the locale whose lines are being read
  for (int i = 0; i < translations_->Count(); ++i) {
    const std::string_view line = translations_->Strings(i);
    const std::string_view hex = LinePrefix(line);
    // A locale that lacks a name line must not borrow its predecessor's.
    if (hex != group) {
      group = hex;
      names.ClearOthers();
    }
    const std::string_view key = LineKey(line);
    if (key.size() <= hex.size() || key.substr(0, hex.size()) != hex) continue;
    const std::string_view name = key.substr(hex.size());
    const std::string_view value = LineValue(line);
    if (IsKeyOf(name, TSettingField::EnglishCountryName)) names.englishCountry = value;
    else if (IsKeyOf(name, TSettingField::EnglishName)) names.englishName = value;
    else if (IsKeyOf(name, TSettingField::NativeCountryName)) names.nativeCountry = value;
    else if (IsKeyOf(name, TSettingField::NativeName)) {
      TObject* lcid = ObjectFromInt(HexToInt(hex));
      if (localeList_->IndexOfObject(lcid) >= 0) continue;
      names.nativeName = value;
      localeList_->SortInsert(DisplayName(listFormat_, names), lcid);
    }
  }
}

void TLexivar::SetListFormat(const std::string& value) {
  if (value == listFormat_) return;
  const std::string refused = "Invalid format string, you must provide at least one string index";
  if (value.find('%') == std::string::npos) {
    ShowMessage(refused);
    return;
  }
  // Tried on four names first: a pattern the formatter rejects would fail
  // every later fill of the selector.
  try {
    DisplayName(value, {"English", "Country", "Native", "Native country"});
  } catch (const Exception& e) {
    ShowMessage(refused + " (" + e.Message() + ")");
    return;
  }
  listFormat_ = value;
  UpdateAdoptOn();
}

}  // namespace Lxv
