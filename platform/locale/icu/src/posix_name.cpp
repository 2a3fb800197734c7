#include "platform/locale/icu/posix_name.h"

#include <unicode/locid.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

#include "mapping.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "posix_name_internal.h"

namespace platform {
namespace detail {
namespace {

constexpr std::array<const char*, 3> kLocaleVariables = {"LC_ALL", "LC_TIME", "LANG"};

bool AllOf(std::string_view text, bool (*predicate)(char)) { return std::all_of(text.begin(), text.end(), predicate); }

// "ll_CC.codeset@modifier" as an ICU name; empty when malformed.
std::string IcuNameFromPosix(std::string_view name) {
  const auto at = name.find('@');
  const std::string modifier = LowerCase(at == std::string_view::npos ? "" : name.substr(at + 1));
  const std::string_view body = name.substr(0, std::min(name.find('.'), at));
  const auto underscore = body.find('_');
  const std::string language = LowerCase(body.substr(0, underscore));
  const std::string country = UpperCase(underscore == std::string_view::npos ? "" : body.substr(underscore + 1));
  if (language.size() < 2 || language.size() > 3 || !AllOf(language, IsAsciiLetter)) return "";
  const bool countryOk = country.empty() || (country.size() == 2 && AllOf(country, IsAsciiLetter)) ||
                         (country.size() == 3 && AllOf(country, IsAsciiDigit));
  if (!countryOk) return "";
  std::string icuName = language;
  if (modifier == "latin") icuName += "_Latn";
  if (modifier == "cyrillic") icuName += "_Cyrl";
  if (!country.empty()) icuName += "_" + country;
  if (modifier == "valencia") icuName += "_VALENCIA";
  return icuName;
}

std::string Maximized(const std::string& icuName) {
  char buffer[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  uloc_addLikelySubtags(icuName.c_str(), buffer, sizeof buffer, &status);
  return U_SUCCESS(status) ? buffer : "";
}

std::string Unquoted(std::string value) {
  while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back()))) value.pop_back();
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

// A system locale file is a few lines; a larger or unreadable one is passed
// over like a missing one.
constexpr std::size_t kMaxLocaleFileBytes = 65536;

std::map<std::string, std::string> ReadAssignments(const std::string& path) {
  std::map<std::string, std::string> values;
  std::istringstream file;
  try {
    file.str(ReadFileBytes(path, kMaxLocaleFileBytes));
  } catch (const EFOpenError&) {
    return values;
  }
  std::string line;
  while (std::getline(file, line)) {
    auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    if (line.compare(start, 7, "export ") == 0) start = line.find_first_not_of(" \t", start + 7);
    const auto equals = line.find('=', start);
    if (start == std::string::npos || equals == std::string::npos) continue;
    values[line.substr(start, equals - start)] = Unquoted(line.substr(equals + 1));
  }
  return values;
}

}  // namespace

std::optional<std::string> UserLocaleNameFromEnvironment() {
  for (const char* variable : kLocaleVariables)
    if (const char* value = std::getenv(variable); value && *value) return std::string(value);
  return std::nullopt;
}

std::optional<std::string> SystemLocaleNameFromFiles(const std::vector<std::string>& files) {
  for (const std::string& path : files) {
    const std::map<std::string, std::string> values = ReadAssignments(path);
    for (const char* variable : kLocaleVariables)
      if (auto found = values.find(variable); found != values.end() && !found->second.empty())
        return found->second;
  }
  return std::nullopt;
}

}  // namespace detail

std::vector<std::string> DefaultSystemLocaleFiles() { return {"/etc/default/locale", "/etc/locale.conf"}; }

LCID LCIDFromPosixLocaleName(std::string_view name) {
  const std::string icuName = detail::IcuNameFromPosix(name);
  if (icuName.empty()) return LOCALE_FALLBACK_LCID;
  // ICU's LCID table names some locales with their script and some without.
  const std::string maximized = detail::Maximized(icuName);
  const icu::Locale full(maximized.c_str());
  const std::string withoutScript = std::string(full.getLanguage()) + "_" + full.getCountry();
  for (const std::string& candidate : {maximized, withoutScript, icuName}) {
    const LCID locale = detail::LCIDForIcuName(candidate);
    if (locale > 0x3FF && detail::IcuLocaleForLCID(locale)) return locale;
  }
  return LOCALE_FALLBACK_LCID;
}

}  // namespace platform
