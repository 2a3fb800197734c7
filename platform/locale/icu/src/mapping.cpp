#include "mapping.h"

#include <unicode/uloc.h>

#include <set>

namespace platform::detail {
namespace {

std::string BaseOfMaximized(const char* name) {
  char maximized[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  uloc_addLikelySubtags(name, maximized, sizeof maximized, &status);
  if (U_FAILURE(status)) return "";
  const icu::Locale locale(maximized);
  return std::string(locale.getLanguage()) + "_" + locale.getScript() + "_" + locale.getCountry();
}

// Language, script and country of every locale ICU has data for.
const std::set<std::string>& LocalesWithData() {
  static const std::set<std::string> names = [] {
    std::set<std::string> result;
    for (int32_t i = 0, n = uloc_countAvailable(); i < n; ++i)
      result.insert(BaseOfMaximized(uloc_getAvailable(i)));
    return result;
  }();
  return names;
}

// ICU maps unknown sub-languages to the bare language, so only a name that
// maps back to the same LCID counts.
std::optional<std::string> MappedName(LCID locale) {
  char name[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = uloc_getLocaleForLCID(locale, name, sizeof name, &status);
  if (U_FAILURE(status) || length <= 0 || length >= static_cast<int32_t>(sizeof name)) return std::nullopt;
  if (uloc_getLCID(name) != locale) return std::nullopt;
  if (!LocalesWithData().count(BaseOfMaximized(name))) return std::nullopt;
  return std::string(name);
}

}  // namespace

std::optional<icu::Locale> IcuLocaleForLCID(LCID locale) {
  const std::optional<std::string> name = MappedName(locale);
  if (!name) return std::nullopt;
  icu::Locale result(name->c_str());
  if (*result.getCountry() == '\0') {
    char maximized[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_addLikelySubtags(name->c_str(), maximized, sizeof maximized, &status);
    if (U_SUCCESS(status)) result = icu::Locale(maximized);
  }
  UErrorCode status = U_ZERO_ERROR;
  result.setKeywordValue("calendar", "gregorian", status);
  result.setKeywordValue("numbers", "latn", status);
  if (U_FAILURE(status) || result.isBogus()) return std::nullopt;
  return result;
}

LCID LCIDForIcuName(const std::string& name) { return name.empty() ? 0 : uloc_getLCID(name.c_str()); }

const std::vector<LCID>& SpecificIcuLCIDs() {
  static const std::vector<LCID> lcids = [] {
    std::vector<LCID> result;
    for (LCID locale = 0x0400; locale <= 0xFFFF; ++locale) {
      if ((locale & 0x3FF) == 0) continue;
      const std::optional<std::string> name = MappedName(locale);
      if (name && *icu::Locale(name->c_str()).getCountry() != '\0') result.push_back(locale);
    }
    return result;
  }();
  return lcids;
}

}  // namespace platform::detail
