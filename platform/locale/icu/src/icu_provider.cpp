#include "platform/locale/icu/icu_provider.h"

#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "answer_table.h"
#include "answers.h"
#include "mapping.h"
#include "posix_name_internal.h"

namespace platform {

// Answers per LCID; null for an LCID ICU does not know. Entries are never
// removed, so the views handed out stay valid for the provider's life.
struct TIcuLocaleProvider::TState {
  std::shared_mutex mutex;
  std::unordered_map<LCID, std::unique_ptr<const detail::TLocaleAnswers>> answers;
};

TIcuLocaleProvider::TIcuLocaleProvider(std::vector<std::string> systemLocaleFiles)
    : systemLocaleFiles_(std::move(systemLocaleFiles)), state_(std::make_unique<TState>()) {}

TIcuLocaleProvider::~TIcuLocaleProvider() = default;

std::optional<std::string_view> TIcuLocaleProvider::LocaleInfo(LCID locale, LCTYPE type) {
  const int slot = detail::CatalogueSlot(type);
  if (slot < 0) return std::nullopt;
  const detail::TLocaleAnswers* answers = nullptr;
  {
    std::shared_lock lock(state_->mutex);
    if (auto found = state_->answers.find(locale); found != state_->answers.end()) {
      if (!found->second) return std::nullopt;
      answers = found->second.get();
    }
  }
  if (!answers) {
    // Computed outside the lock; a thread that loses the race drops its copy.
    std::unique_ptr<const detail::TLocaleAnswers> computed;
    if (const auto icuLocale = detail::IcuLocaleForLCID(locale))
      computed = std::make_unique<const detail::TLocaleAnswers>(detail::ComputeLocaleAnswers(*icuLocale));
    std::unique_lock lock(state_->mutex);
    const auto& entry = state_->answers.try_emplace(locale, std::move(computed)).first->second;
    if (!entry) return std::nullopt;
    answers = entry.get();
  }
  return std::string_view((*answers)[static_cast<std::size_t>(slot)]);
}

std::vector<LCID> TIcuLocaleProvider::SupportedLocales() { return detail::SpecificIcuLCIDs(); }

LCID TIcuLocaleProvider::UserDefaultLCID() {
  const std::optional<std::string> name = detail::UserLocaleNameFromEnvironment();
  return name ? LCIDFromPosixLocaleName(*name) : LOCALE_FALLBACK_LCID;
}

LCID TIcuLocaleProvider::SystemDefaultLCID() {
  const std::optional<std::string> name = detail::SystemLocaleNameFromFiles(systemLocaleFiles_);
  return name ? LCIDFromPosixLocaleName(*name) : UserDefaultLCID();
}

namespace {

// ICU is the default back end of the locale services: it registers itself
// when the library loads. Never destroyed, because answers handed out as
// views must outlive static teardown.
const bool kRegistered = [] {
  SetDefaultLocaleProvider(*new TIcuLocaleProvider());
  return true;
}();

}  // namespace

}  // namespace platform
