#pragma once
// The locale provider backed by ICU's CLDR data. Each locale's answers are
// computed on its first query and kept for the life of the provider.
#include <memory>
#include <string>
#include <vector>

#include "platform/locale/icu/posix_name.h"
#include "platform/locale/locale_provider.h"

namespace platform {

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
