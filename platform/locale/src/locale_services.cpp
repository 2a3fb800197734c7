#include "platform/locale/locale_services.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/locale/locale_provider.h"

namespace platform {
namespace {

// Zero means "not set on this thread": the user's default applies.
thread_local LCID t_threadLocale = 0;

LCID Resolve(TLocaleProvider& provider, LCID locale) {
  if (locale == LOCALE_NEUTRAL || locale == LOCALE_USER_DEFAULT) return provider.UserDefaultLCID();
  if (locale == LOCALE_SYSTEM_DEFAULT) return provider.SystemDefaultLCID();
  return locale;
}

bool IsKnown(TLocaleProvider& provider, LCID locale) {
  if (provider.LocaleInfo(locale, LOCALE_SENGLANGUAGE)) return true;
  const std::vector<LCID> supported = provider.SupportedLocales();
  return std::binary_search(supported.begin(), supported.end(), locale);
}

}  // namespace

int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size) {
  if (size < 0 || (size > 0 && data == nullptr)) return 0;
  const std::optional<std::string_view> answer = LocaleInfoView(locale, type);
  if (!answer || answer->size() >= static_cast<std::size_t>(INT32_MAX)) return 0;
  const int needed = static_cast<int>(answer->size()) + 1;
  if (size == 0) return needed;
  if (needed > size) return 0;
  std::memcpy(data, answer->data(), answer->size());
  data[answer->size()] = '\0';
  return needed;
}

std::optional<std::string_view> LocaleInfoView(LCID locale, LCTYPE type) {
  TLocaleProvider& provider = CurrentLocaleProvider();
  return provider.LocaleInfo(Resolve(provider, locale), type & ~(LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP));
}

LCID GetUserDefaultLCID() { return CurrentLocaleProvider().UserDefaultLCID(); }

LCID GetSystemDefaultLCID() { return CurrentLocaleProvider().SystemDefaultLCID(); }

LCID ResolveDefaultLCID(LCID locale) { return Resolve(CurrentLocaleProvider(), locale); }

BOOL SetThreadLocale(LCID locale) {
  TLocaleProvider& provider = CurrentLocaleProvider();
  locale = Resolve(provider, locale);
  if (!IsKnown(provider, locale)) return 0;
  t_threadLocale = locale;
  return 1;
}

LCID GetThreadLocale() { return t_threadLocale ? t_threadLocale : GetUserDefaultLCID(); }

BOOL EnumSystemLocalesA(LOCALE_ENUMPROCA callback, DWORD flags) {
  if (callback == nullptr || (flags & (LCID_INSTALLED | LCID_SUPPORTED)) == 0) return 0;
  if ((flags & ~(LCID_INSTALLED | LCID_SUPPORTED | LCID_ALTERNATE_SORTS)) != 0) return 0;
  for (LCID locale : CurrentLocaleProvider().SupportedLocales()) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(locale));
    if (!callback(text)) break;
  }
  return 1;
}

}  // namespace platform
