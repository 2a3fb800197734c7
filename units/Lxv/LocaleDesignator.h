#pragma once
// Hexadecimal parsing and the locale designator: a display name, one blank and
// the LCID as eight upper-case hexadecimal digits ("User default 00000400").
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/locale/locale_services.h"

namespace Lxv {

using platform::LCID;

// Hexadecimal digits accumulate into 32 bits (only the last eight count);
// every other character is skipped. Never fails: no digits give 0.
std::int32_t HexToInt(std::string_view text);

// The locale prefix of translation-table keys: eight upper-case hex digits.
std::string LocalePrefix(LCID lcid);

std::string MakeLocaleDesignator(std::string_view displayName, LCID lcid);
std::string UserDefaultDesignator();    // "User default 00000400"
std::string SystemDefaultDesignator();  // "System default 00000800"
// Longer than seven characters, and the first of the last eight is a hex digit.
bool IsValidLocaleDesignator(std::string_view text);
// HexToInt of the last eight characters (of the whole text when shorter).
LCID DesignatorLCID(std::string_view text);

}  // namespace Lxv
