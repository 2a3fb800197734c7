#pragma once
// Every answer of one locale, derived from ICU's CLDR data in the Windows
// conventions.
#include <unicode/locid.h>

#include "answer_table.h"

namespace platform::detail {

// `locale` carries the Gregorian calendar and Latin digits keywords.
TLocaleAnswers ComputeLocaleAnswers(const icu::Locale& locale);

}  // namespace platform::detail
