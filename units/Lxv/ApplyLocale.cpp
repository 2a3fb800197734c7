// TLexivar: applying a locale of the translation table to the process-wide
// format settings, and switching the other translator components.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Lxv/ComponentWalk.h"
#include "Lxv/HostSettings.h"
#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/TableLine.h"
#include "platform/base/conversions.h"
#include "platform/format/format_settings.h"
#include "platform/forms/screen.h"
#include "platform/locale/icu/best_fit.h"
#include "platform/rtti/published.h"

namespace Lxv {

using namespace platform;

namespace {

// "_LONGDAYNAMES[3]=" and its siblings: the 38 keys of the name arrays.
struct TNameKey {
  std::string key;
  std::string& (*element)(TFormatSettings&, int);
  int index;
};

template <auto Member>
std::string& Element(TFormatSettings& settings, int index) {
  return (settings.*Member)[index];
}

std::vector<TNameKey> MakeNameKeys() {
  std::vector<TNameKey> keys;
  const auto add = [&keys](const char* base, int count, std::string& (*element)(TFormatSettings&, int)) {
    for (int i = 1; i <= count; ++i) keys.push_back({base + std::to_string(i) + "]=", element, i});
  };
  add("_SHORTDAYNAMES[", 7, &Element<&TFormatSettings::ShortDayNames>);
  add("_LONGDAYNAMES[", 7, &Element<&TFormatSettings::LongDayNames>);
  add("_SHORTMONTHNAMES[", 12, &Element<&TFormatSettings::ShortMonthNames>);
  add("_LONGMONTHNAMES[", 12, &Element<&TFormatSettings::LongMonthNames>);
  return keys;
}

const std::vector<TNameKey>& NameKeys() {
  static const std::vector<TNameKey> keys = MakeNameKeys();
  return keys;
}

std::uint8_t Low8(std::string_view value) { return static_cast<std::uint8_t>(StrToInt(value)); }

// A one-byte setting takes the value's first character, fitted to one byte;
// an empty value, or a character without a fit, leaves the setting alone.
void SetChar(char& setting, std::string_view value) {
  if (const std::optional<char> c = BestFitFirstChar(value)) setting = *c;
}

struct TSettingKey {
  std::string_view key;
  void (*apply)(TFormatSettings&, std::string_view value);
};

// Only the first of these a line begins with is applied.
constexpr TSettingKey kSettingKeys[] = {
    {"_CURRENCYSTRING=", [](TFormatSettings& s, std::string_view v) { s.CurrencyString = v; }},
    {"_NEGCURRFORMAT=", [](TFormatSettings& s, std::string_view v) { s.NegCurrFormat = Low8(v); }},
    {"_THOUSANDSEPARATOR=", [](TFormatSettings& s, std::string_view v) { SetChar(s.ThousandSeparator, v); }},
    {"_DECIMALSEPARATOR=", [](TFormatSettings& s, std::string_view v) { SetChar(s.DecimalSeparator, v); }},
    {"_DATESEPARATOR=", [](TFormatSettings& s, std::string_view v) { SetChar(s.DateSeparator, v); }},
    {"_TIMESEPARATOR=", [](TFormatSettings& s, std::string_view v) { SetChar(s.TimeSeparator, v); }},
    {"_LISTSEPARATOR=",
     [](TFormatSettings&, std::string_view v) {
       char separator = CurrentListSeparator();
       SetChar(separator, v);
       SetListSeparatorSetting(separator);
     }},
    {"_CURRENCYDECIMALS=", [](TFormatSettings& s, std::string_view v) { s.CurrencyDecimals = Low8(v); }},
    {"_SHORTDATEFORMAT=", [](TFormatSettings& s, std::string_view v) { s.ShortDateFormat = v; }},
    {"_LONGDATEFORMAT=", [](TFormatSettings& s, std::string_view v) { s.LongDateFormat = v; }},
    {"_TIMEAMSTRING=", [](TFormatSettings& s, std::string_view v) { s.TimeAMString = v; }},
    {"_TIMEPMSTRING=", [](TFormatSettings& s, std::string_view v) { s.TimePMString = v; }},
    {"_SHORTTIMEFORMAT=", [](TFormatSettings& s, std::string_view v) { s.ShortTimeFormat = v; }},
    {"_LONGTIMEFORMAT=", [](TFormatSettings& s, std::string_view v) { s.LongTimeFormat = v; }},
    {"_TWODIGITYEARCENTURYWINDOW=",
     [](TFormatSettings&, std::string_view v) { SetTwoDigitYearCenturyWindowSetting(StrToInt(v) & 0xFFFF); }},
};

// `key` is what follows the locale prefix; `line` is the whole line.
void ApplyLine(std::string_view key, std::string_view line) {
  TFormatSettings& settings = FormatSettings();
  for (const TNameKey& name : NameKeys())
    if (key.starts_with(name.key)) name.element(settings, name.index) = LineValue(line);
  for (const TSettingKey& setting : kSettingKeys) {
    if (key.starts_with(setting.key)) return setting.apply(settings, LineValue(line));
  }
}

void WriteSysLocale(LCID lcid) {
  TSysLocale& record = SysLocale();
  const TSysLocale fresh = SysLocaleFor(lcid);
  record.DefaultLCID = fresh.DefaultLCID;
  record.PriLangID = fresh.PriLangID;
  record.SubLangID = fresh.SubLangID;
}

}  // namespace

bool TLexivar::TranslateLocale(LCID lcid) {
  if (!translate_) return false;
  const TCursorScope hourglass(crHourGlass);
  if (OnTranslate) {
    bool skip = false;
    OnTranslate(this, skip);
    if (skip) return false;
  }
  const std::string prefix = LocalePrefix(lcid);
  bool found = false;
  // The whole table is walked: of two lines with one key the later wins.
  for (int i = 0; i < translations_->Count(); ++i) {
    const std::string_view line = translations_->Strings(i);
    if (!line.starts_with(prefix)) continue;
    found = true;
    ApplyLine(line.substr(prefix.size()), line);
  }
  if (!found) return false;
  currentLocale_ = lcid;
  UpdateLanguageSelection();
  SetThreadLocale(lcid);
  WriteSysLocale(lcid);
  if (lcid != 0) SetLocales(lcid);
  if (OnTranslated) OnTranslated(this);
  return true;
}

namespace {

// Another class's published Locale and Translate, read and written as
// ordinals; anything else is not taken part in the protocol.
const TPropInfo* OrdinalProp(const TComponent* c, std::string_view name) {
  const TPropInfo* prop = GetPropInfo(c, name);
  return prop != nullptr && prop->IsOrdinal() ? prop : nullptr;
}

void SwitchOtherClass(TComponent* c, LCID lcid) {
  const TPropInfo* localeProp = OrdinalProp(c, "Locale");
  if (localeProp == nullptr || !localeProp->GetOrd) return;
  const std::int64_t value = localeProp->GetOrd(*c);
  const TPropInfo* translateProp = OrdinalProp(c, "Translate");
  if (translateProp == nullptr || !translateProp->SetOrd) return;
  if (static_cast<LCID>(value) == lcid) translateProp->SetOrd(*c, 1);
  else if (value != 0) translateProp->SetOrd(*c, 0);
}

}  // namespace

void TLexivar::SetLocales(LCID lcid) {
  if (lcid == 0) return;
  ForEachApplicationComponent([this, lcid](TComponent* c) {
    if (c == this) return;
    if (auto* peer = DynCast<TLexivar>(c)) {
      // Peers are matched by tag; nothing is applied in them.
      if (locale_ == 0) return;
      if (peer->locale_ == locale_) {
        peer->currentLocale_ = currentLocale_;
        peer->SetTranslate(true);
      } else {
        peer->SetTranslate(false);
      }
      return;
    }
    SwitchOtherClass(c, lcid);
  });
}

}  // namespace Lxv
