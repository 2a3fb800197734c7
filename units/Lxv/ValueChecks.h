#pragma once
// Values a translation table may hold but that cannot work once applied (a
// currency format the formatter does not know, a separator of two
// characters, a date picture without a field), and samples formatted with a
// locale's settings, for the design environment and lxvtrans.
#include <string>
#include <string_view>
#include <vector>

#include "Lxv/Lexivar.h"
#include "platform/classes/strings.h"
#include "platform/format/format_settings.h"

namespace Lxv {

// Why `value` cannot work as the value of key `keyName` ("_NEGCURRFORMAT",
// what follows a line's locale prefix); "" when it can, or when the key has
// no rule.
std::string ValueProblem(std::string_view keyName, std::string_view value);

struct TValueProblem {
  std::string Line;  // the table line
  std::string Problem;
};
// The lines of a table (LLLLLLLL_NAME=VALUE) whose values cannot work, in
// table order.
std::vector<TValueProblem> TableValueProblems(const platform::TStrings& table);

// A sample date (both pictures), time, number and positive and negative
// amount formatted with `settings`, one "label  text" line each.
std::vector<std::string> PreviewLines(const platform::TFormatSettings& settings);

// A locale designator, or an LCID in hexadecimal digits ("407",
// "00000407"); raises EConvertError for anything else.
LCID PreviewLocale(std::string_view text);
// PreviewLines of the locale `text` names, with the component's table; the
// process's settings are not touched. Raises EConvertError when the table
// keeps no line of the locale.
std::vector<std::string> LocalePreview(const TLexivar& lexivar, std::string_view text);

}  // namespace Lxv
