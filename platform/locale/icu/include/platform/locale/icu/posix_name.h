#pragma once
// POSIX locale names ("de_DE.UTF-8@euro") and the system locale files, as
// the ICU provider reads them to find the default locales.
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale/locale_services.h"

namespace platform {

// The files read, in order, for the system-wide locale setting.
std::vector<std::string> DefaultSystemLocaleFiles();

// The LCID of a POSIX locale name such as "de_DE.UTF-8@euro" or "sr_RS@latin";
// a language alone takes its most likely country. C, POSIX, empty,
// malformed or unmapped names give LOCALE_FALLBACK_LCID.
LCID LCIDFromPosixLocaleName(std::string_view name);

}  // namespace platform
