#include "support/scripted_locale_provider.h"

namespace lxvtest {

using platform::LOCALE_FALLBACK_LCID;

void TScriptedLocaleProvider::SetAnswer(LCID locale, LCTYPE type, std::string value) {
  answers_[{locale, type}] = std::move(value);
}

void TScriptedLocaleProvider::SetFailure(LCID locale, LCTYPE type) { answers_[{locale, type}] = std::nullopt; }

void TScriptedLocaleProvider::SetUnknown(LCID locale) { unknown_.insert(locale); }

void TScriptedLocaleProvider::SetSupportedLocales(std::set<LCID> locales) { supported_ = std::move(locales); }

std::optional<std::string_view> TScriptedLocaleProvider::LocaleInfo(LCID locale, LCTYPE type) {
  if (unknown_.count(locale)) return std::nullopt;
  if (auto found = answers_.find({locale, type}); found != answers_.end()) {
    if (!found->second) return std::nullopt;
    return std::string_view(*found->second);
  }
  return fallback_ ? fallback_->LocaleInfo(locale, type) : std::nullopt;
}

std::vector<LCID> TScriptedLocaleProvider::SupportedLocales() {
  std::set<LCID> locales;
  if (supported_) {
    locales = *supported_;
  } else if (fallback_) {
    const std::vector<LCID> inherited = fallback_->SupportedLocales();
    locales.insert(inherited.begin(), inherited.end());
  } else {
    for (const auto& entry : answers_) locales.insert(entry.first.first);
  }
  for (LCID locale : unknown_) locales.erase(locale);
  return {locales.begin(), locales.end()};
}

LCID TScriptedLocaleProvider::UserDefaultLCID() {
  if (user_) return *user_;
  return fallback_ ? fallback_->UserDefaultLCID() : LOCALE_FALLBACK_LCID;
}

LCID TScriptedLocaleProvider::SystemDefaultLCID() {
  if (system_) return *system_;
  return fallback_ ? fallback_->SystemDefaultLCID() : UserDefaultLCID();
}

}  // namespace lxvtest
