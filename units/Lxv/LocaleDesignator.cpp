#include "Lxv/LocaleDesignator.h"

#include "platform/base/conversions.h"

namespace Lxv {

namespace {
std::string_view LastEight(std::string_view text) {
  return text.size() <= 8 ? text : text.substr(text.size() - 8);
}
}  // namespace

std::int32_t HexToInt(std::string_view text) {
  std::uint32_t accumulator = 0;
  for (char c : text) {
    const int digit = platform::HexDigitValue(c);
    if (digit >= 0) accumulator = (accumulator << 4) + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(accumulator);
}

std::string LocalePrefix(LCID lcid) { return platform::IntToHex(lcid, 8); }

std::string MakeLocaleDesignator(std::string_view displayName, LCID lcid) {
  return std::string(displayName) + " " + LocalePrefix(lcid);
}

std::string UserDefaultDesignator() { return MakeLocaleDesignator("User default", platform::LOCALE_USER_DEFAULT); }
std::string SystemDefaultDesignator() { return MakeLocaleDesignator("System default", platform::LOCALE_SYSTEM_DEFAULT); }

bool IsValidLocaleDesignator(std::string_view text) {
  return text.size() > 7 && platform::HexDigitValue(text[text.size() - 8]) >= 0;
}

LCID DesignatorLCID(std::string_view text) { return static_cast<LCID>(HexToInt(LastEight(text))); }

}  // namespace Lxv
