#pragma once
// Where the locale services get their answers. The ICU-backed provider is the
// default; tests install a scripted one for the duration of a scope.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/locale/locale_services.h"

namespace platform {

class TLocaleProvider {
 public:
  virtual ~TLocaleProvider() = default;
  // The answer for a concrete locale (never 0, 0x400 or 0x800), nullopt when
  // the locale or the setting is unknown. The text stays valid as long as the
  // provider lives.
  virtual std::optional<std::string_view> LocaleInfo(LCID locale, LCTYPE type) = 0;
  // Every supported LCID, ascending, without duplicates.
  virtual std::vector<LCID> SupportedLocales() = 0;
  virtual LCID UserDefaultLCID() = 0;
  virtual LCID SystemDefaultLCID() = 0;
};

// The provider the services use now.
TLocaleProvider& CurrentLocaleProvider();
// The provider used while none is installed. A back end registers itself
// here when its library loads (the ICU one does); raises when none has.
TLocaleProvider& DefaultLocaleProvider();
void SetDefaultLocaleProvider(TLocaleProvider& provider);
// Installs `provider` (nullptr restores the default) and returns the previous
// one. The caller keeps ownership and must keep it alive while installed.
TLocaleProvider* InstallLocaleProvider(TLocaleProvider* provider);
// Changes whenever a provider is installed or the default one is set, so a
// cache of answers can tell that it is stale.
unsigned LocaleProviderGeneration();

// Installs a provider for the lifetime of the guard.
class TLocaleProviderGuard {
 public:
  explicit TLocaleProviderGuard(TLocaleProvider& provider)
      : previous_(InstallLocaleProvider(&provider)) {}
  ~TLocaleProviderGuard() { InstallLocaleProvider(previous_); }
  TLocaleProviderGuard(const TLocaleProviderGuard&) = delete;
  TLocaleProviderGuard& operator=(const TLocaleProviderGuard&) = delete;

 private:
  TLocaleProvider* previous_;
};

}  // namespace platform
