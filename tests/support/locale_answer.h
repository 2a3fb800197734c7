#pragma once
// A locale service answer as text, the way the catalogue queries it.
#include <string>
#include <vector>

#include "platform/locale/locale_services.h"

namespace lxvtest {

// The answer in a 256-byte buffer of size 255, or "<failed>" when the query returns 0.
std::string Answer(platform::LCID locale, platform::LCTYPE type);

// One row of tests/data/nls/windows-answers.tsv: a reference answer of the
// Windows ANSI services.
struct TReferenceAnswer {
  platform::LCID Locale;
  platform::LCTYPE Type;
  std::string Name;
  std::string Value;
};
std::vector<TReferenceAnswer> ReadReferenceAnswers();

}  // namespace lxvtest
