#pragma once
// A locale provider whose answers are set by hand, for tests that must not
// depend on the version of the locale data. Questions it has no script for
// go to `fallback` when one is given, and fail otherwise.
#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/locale/locale_provider.h"

namespace lxvtest {

using platform::LCID;
using platform::LCTYPE;

class TScriptedLocaleProvider : public platform::TLocaleProvider {
 public:
  explicit TScriptedLocaleProvider(platform::TLocaleProvider* fallback = nullptr) : fallback_(fallback) {}

  // Answers `value` (which may be empty) for this locale and setting.
  void SetAnswer(LCID locale, LCTYPE type, std::string value);
  // Makes this query fail.
  void SetFailure(LCID locale, LCTYPE type);
  // Makes every query for this locale fail and drops it from the list.
  void SetUnknown(LCID locale);
  // Replaces the list of supported locales (otherwise the fallback's, else
  // the locales that have scripted answers).
  void SetSupportedLocales(std::set<LCID> locales);
  void SetUserDefaultLCID(LCID locale) { user_ = locale; }
  void SetSystemDefaultLCID(LCID locale) { system_ = locale; }

  std::optional<std::string_view> LocaleInfo(LCID locale, LCTYPE type) override;
  std::vector<LCID> SupportedLocales() override;
  LCID UserDefaultLCID() override;
  LCID SystemDefaultLCID() override;

 private:
  platform::TLocaleProvider* fallback_;
  std::map<std::pair<LCID, LCTYPE>, std::optional<std::string>> answers_;
  std::set<LCID> unknown_;
  std::optional<std::set<LCID>> supported_;
  std::optional<LCID> user_;
  std::optional<LCID> system_;
};

}  // namespace lxvtest
