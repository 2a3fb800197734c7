#pragma once
// The locale provider backed by ICU's CLDR data. Each locale's answers are
// computed on its first query and kept for the life of the provider.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale/locale_provider.h"

namespace platform {

// The files read, in order, for the system-wide locale setting.
std::vector<std::string> DefaultSystemLocaleFiles();

// The LCID of a POSIX locale name such as "de_DE.UTF-8@euro" or "sr_RS@latin";
// a language alone takes its most likely country. C, POSIX, empty,
// malformed or unmapped names give LOCALE_FALLBACK_LCID.
LCID LCIDFromPosixLocaleName(std::string_view name);

class TIcuLocaleProvider : public TLocaleProvider {
 public:
  explicit TIcuLocaleProvider(std::vector<std::string> systemLocaleFiles = DefaultSystemLocaleFiles());
  ~TIcuLocaleProvider() override;

  std::optional<std::string_view> LocaleInfo(LCID locale, LCTYPE type) override;
  std::vector<LCID> SupportedLocales() override;
  // From LC_ALL, else LC_TIME, else LANG (the first one set and not empty).
  LCID UserDefaultLCID() override;
  // From the first system locale file that names a locale (LC_ALL, LC_TIME,
  // LANG, in that order), else the user's.
  LCID SystemDefaultLCID() override;

 private:
  struct TState;
  std::vector<std::string> systemLocaleFiles_;
  std::unique_ptr<TState> state_;
};

}  // namespace platform
