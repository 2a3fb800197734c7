#pragma once
// Windows LCIDs and ICU locales, both ways.
#include <unicode/locid.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/locale/locale_services.h"

namespace platform::detail {

// The ICU locale of an LCID that ICU maps and has data for, opened with the
// Gregorian calendar and Latin digits; nullopt otherwise. A neutral LCID
// (no country) takes the language's most likely country.
std::optional<icu::Locale> IcuLocaleForLCID(LCID locale);

// The LCID of an ICU locale name ("de_DE", "sr_Latn_RS"), 0 when unmapped.
LCID LCIDForIcuName(const std::string& name);

// Every LCID of a specific locale (language and country, no sort variant)
// that ICU maps and has data for; ascending, computed once.
const std::vector<LCID>& SpecificIcuLCIDs();

}  // namespace platform::detail
