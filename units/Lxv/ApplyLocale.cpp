// TLexivar: applying a locale of the translation table to the process-wide
// format settings, and switching the other translator components.
#include <optional>
#include <string>
#include <string_view>

#include "Lxv/ComponentWalk.h"
#include "Lxv/HostSettings.h"
#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "Lxv/TableLine.h"
#include "platform/base/conversions.h"
#include "platform/format/format_settings.h"
#include "platform/forms/screen.h"
#include "platform/locale/icu/best_fit.h"
#include "platform/rtti/published.h"

namespace Lxv {

using namespace platform;

namespace {

// What applying a locale leaves in force. Generation 3 keeps the list
// separator and the century window outside the format settings record.
struct TLocaleState {
  TFormatSettings format = FormatSettings();
  char listSeparator = CurrentListSeparator();
  int centuryWindow = CurrentTwoDigitYearCenturyWindow();
  bool found = false;
};

std::string& NameElement(TFormatSettings& s, const TRegionalSetting& row) {
  switch (row.Field) {
    case TSettingField::LongDayNames: return s.LongDayNames[row.Index];
    case TSettingField::ShortDayNames: return s.ShortDayNames[row.Index];
    case TSettingField::LongMonthNames: return s.LongMonthNames[row.Index];
    default: return s.ShortMonthNames[row.Index];
  }
}

std::string& TextField(TFormatSettings& s, const TRegionalSetting& row) {
  switch (row.Field) {
    case TSettingField::CurrencyString: return s.CurrencyString;
    case TSettingField::ShortDateFormat: return s.ShortDateFormat;
    case TSettingField::LongDateFormat: return s.LongDateFormat;
    case TSettingField::TimeAMString: return s.TimeAMString;
    case TSettingField::TimePMString: return s.TimePMString;
    case TSettingField::ShortTimeFormat: return s.ShortTimeFormat;
    case TSettingField::LongTimeFormat: return s.LongTimeFormat;
    default: return NameElement(s, row);
  }
}

char& CharField(TLocaleState& state, TSettingField field) {
  switch (field) {
    case TSettingField::ThousandSeparator: return state.format.ThousandSeparator;
    case TSettingField::DecimalSeparator: return state.format.DecimalSeparator;
    case TSettingField::DateSeparator: return state.format.DateSeparator;
    case TSettingField::TimeSeparator: return state.format.TimeSeparator;
    default: return state.listSeparator;
  }
}

std::uint8_t& ByteField(TFormatSettings& s, TSettingField field) {
  switch (field) {
    case TSettingField::CurrencyFormat: return s.CurrencyFormat;
    case TSettingField::NegCurrFormat: return s.NegCurrFormat;
    default: return s.CurrencyDecimals;
  }
}

// One value into its field. A one-byte setting takes the value's first
// character, fitted to one byte; an empty value, or a character without a
// fit, leaves the setting alone. Numbers that do not convert raise.
void ApplyValue(TLocaleState& state, const TRegionalSetting& row, std::string_view value) {
  switch (ValueKind(row.Field)) {
    case TSettingValue::Text: TextField(state.format, row) = value; break;
    case TSettingValue::FirstChar:
      if (const std::optional<char> c = BestFitFirstChar(value)) CharField(state, row.Field) = *c;
      break;
    case TSettingValue::Low8: ByteField(state.format, row.Field) = static_cast<std::uint8_t>(StrToInt(value)); break;
    case TSettingValue::Low16: state.centuryWindow = StrToInt(value) & 0xFFFF; break;
    case TSettingValue::NotApplied: break;
  }
}

// Reads every line of the locale into a copy of the settings in force; the
// process is not touched. The whole table is walked: of two lines with one
// key the later wins.
TLocaleState ReadLocale(const TSortList& table, LCID lcid) {
  TLocaleState state;
  const std::string prefix = LocalePrefix(lcid);
  for (int i = 0; i < table.Count(); ++i) {
    const std::string_view line = table.Strings(i);
    if (!line.starts_with(prefix)) continue;
    state.found = true;
    if (const TRegionalSetting* row = FindRegionalSetting(LineKey(line.substr(prefix.size()))))
      ApplyValue(state, *row, LineValue(line));
  }
  SetHostFields(state.format, state.listSeparator, state.centuryWindow);
  return state;
}

void Commit(const TLocaleState& state) {
  FormatSettings() = state.format;
  SetListSeparatorSetting(state.listSeparator);
  SetTwoDigitYearCenturyWindowSetting(state.centuryWindow);
}

void WriteSysLocale(LCID lcid) {
  TSysLocale& record = SysLocale();
  const TSysLocale fresh = SysLocaleFor(lcid);
  record.DefaultLCID = fresh.DefaultLCID;
  record.PriLangID = fresh.PriLangID;
  record.SubLangID = fresh.SubLangID;
}

}  // namespace

TFormatSettings TLexivar::SettingsOf(LCID lcid) const { return ReadLocale(*translations_, lcid).format; }

bool TLexivar::TranslateLocale(LCID lcid) {
  if (!translate_) return false;
  const TCursorScope hourglass(crHourGlass);
  if (OnTranslate) {
    bool skip = false;
    OnTranslate(this, skip);
    if (skip) return false;
  }
  // Everything is read and converted before anything is written.
  const TLocaleState state = ReadLocale(*translations_, lcid);
  if (!state.found) return false;
  Commit(state);
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
