#include "locale_names.h"

#include <memory>
#include <unordered_map>

#include "platform/locale/locale_provider.h"

namespace platform::detail {
namespace {

std::string Ask(LCID locale, LCTYPE type) {
  char buffer[256];
  return GetLocaleInfoA(locale, type, buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

std::unique_ptr<TLocaleNames> AskNames(LCID locale) {
  auto names = std::make_unique<TLocaleNames>();
  for (std::size_t i = 0; i < names->StandAlone.size(); ++i) {
    const LCTYPE type = LOCALE_SDAYNAME1 + static_cast<LCTYPE>(i);
    names->StandAlone[i] = Ask(locale, type);
    names->InDate[i] = Ask(locale, type | LOCALE_RETURN_GENITIVE_NAMES);
  }
  names->Era = Ask(locale, LOCALE_SERANAME);
  return names;
}

}  // namespace

const TLocaleNames& LocaleNames(LCID locale) {
  // Per thread, so no lock; emptied when another provider answers.
  thread_local unsigned generation = 0;
  thread_local std::unordered_map<LCID, std::unique_ptr<TLocaleNames>> cache;
  if (generation != LocaleProviderGeneration()) {
    cache.clear();
    generation = LocaleProviderGeneration();
  }
  std::unique_ptr<TLocaleNames>& entry = cache[locale];
  if (!entry) entry = AskNames(locale);
  return *entry;
}

}  // namespace platform::detail
