#include "Lxv/ValueChecks.h"

#include <cctype>

#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "Lxv/TableLine.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/format/date_time.h"
#include "platform/format/float_format.h"

namespace Lxv {

using namespace platform;

namespace {

std::string Quoted(std::string_view value) { return "'" + std::string(value) + "'"; }

// "" when value is a whole number of [low, high].
std::string NumberProblem(std::string_view value, int low, int high) {
  int number = 0;
  if (!TryStrToInt(std::string(value), number) || number < low || number > high)
    return Quoted(value) + " is not a number of " + std::to_string(low) + " to " + std::to_string(high);
  return "";
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

std::string SeparatorProblem(std::string_view value) {
  if (value.empty()) return "the separator is empty";
  if (CharacterCount(value) > 1) return "the separator " + Quoted(value) + " is longer than one character";
  if (std::isdigit(static_cast<unsigned char>(value[0])) != 0) return "the separator " + Quoted(value) + " is a digit";
  return "";
}

// The picture's letters outside quoted literal text, in lower case.
std::string PictureLetters(std::string_view picture) {
  std::string letters;
  char quote = 0;
  for (char c : picture) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else {
      letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return letters;
}

std::string PictureProblem(std::string_view picture, std::string_view fields, bool time) {
  const std::string letters = PictureLetters(picture);
  const bool hasField = letters.find_first_of(fields) != std::string::npos ||
                        (time && (letters.find("am/pm") != std::string::npos ||
                                  letters.find("a/p") != std::string::npos || letters.find("ampm") != std::string::npos));
  if (hasField) return "";
  return "the " + std::string(time ? "time" : "date") + " picture " + Quoted(picture) + " has no field";
}

}  // namespace

std::string ValueProblem(std::string_view keyName, std::string_view value) {
  const TRegionalSetting* row = FindRegionalSetting(keyName);
  if (row == nullptr) return "";
  switch (row->Field) {
    case TSettingField::NegCurrFormat: return NumberProblem(value, 0, 15);
    case TSettingField::CurrencyFormat: return NumberProblem(value, 0, 3);
    case TSettingField::CurrencyDecimals: return NumberProblem(value, 0, 9);
    case TSettingField::ThousandSeparator:
    case TSettingField::DecimalSeparator:
    case TSettingField::DateSeparator:
    case TSettingField::TimeSeparator:
    case TSettingField::ListSeparator: return SeparatorProblem(value);
    case TSettingField::ShortDateFormat:
    case TSettingField::LongDateFormat: return PictureProblem(value, "cdmy", false);
    case TSettingField::ShortTimeFormat:
    case TSettingField::LongTimeFormat: return PictureProblem(value, "hnmszt", true);
    default: return "";
  }
}

std::vector<TValueProblem> TableValueProblems(const TStrings& table) {
  std::vector<TValueProblem> problems;
  for (int i = 0; i < table.Count(); ++i) {
    const std::string_view line = table.Strings(i);
    const std::string_view prefix = LinePrefix(line);
    const std::string_view key = LineKey(line);
    if (prefix.empty() || key.size() <= prefix.size()) continue;
    std::string problem = ValueProblem(key.substr(prefix.size()), LineValue(line));
    if (!problem.empty()) problems.push_back({std::string(line), std::move(problem)});
  }
  return problems;
}

std::vector<std::string> PreviewLines(const TFormatSettings& settings) {
  // A day and a month above 12 apart, an afternoon hour: every field tells.
  const TDateTime sample = EncodeDate(2024, 3, 25) + EncodeTime(14, 7, 9, 0);
  const int decimals = settings.CurrencyDecimals;
  return {
      "short date  " + FormatDateTime(settings.ShortDateFormat, sample, settings),
      "long date   " + FormatDateTime(settings.LongDateFormat, sample, settings),
      "time        " + TimeToStr(sample, settings),
      "number      " + FloatToStrF(1234567.891, ffNumber, 15, 2, settings),
      "amount      " + FloatToStrF(1234.5, ffCurrency, 15, decimals, settings),
      "negative    " + FloatToStrF(-1234.5, ffCurrency, 15, decimals, settings),
  };
}

LCID PreviewLocale(std::string_view text) {
  if (IsValidLocaleDesignator(text)) return DesignatorLCID(text);
  const bool hex = !text.empty() && text.size() <= 8 &&
                   text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
  if (!hex)
    throw EConvertError("'" + std::string(text) + "' is neither a locale designator nor an LCID in hexadecimal");
  return static_cast<LCID>(HexToInt(text));
}

std::vector<std::string> LocalePreview(const TLexivar& lexivar, std::string_view text) {
  const LCID lcid = PreviewLocale(text);
  const std::string prefix = LocalePrefix(lcid);
  const TSortList& table = *lexivar.Translations();
  bool kept = false;
  for (int i = 0; i < table.Count() && !kept; ++i) kept = table.Strings(i).starts_with(prefix);
  if (!kept) throw EConvertError(lexivar.Name() + " keeps no line of locale " + prefix);
  return PreviewLines(lexivar.SettingsOf(lcid));
}

}  // namespace Lxv
