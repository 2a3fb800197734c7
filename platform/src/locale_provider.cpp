#include "platform/locale_provider.h"

#include <atomic>

#include "platform/locale_icu_provider.h"

namespace platform {
namespace {

// Constant-initialised, so services called from other static initialisers
// see "no provider installed" rather than garbage.
std::atomic<TLocaleProvider*> installedProvider{nullptr};

}  // namespace

TLocaleProvider& DefaultLocaleProvider() {
  // Never destroyed: answers handed out as views must outlive static teardown.
  static TIcuLocaleProvider* const provider = new TIcuLocaleProvider();
  return *provider;
}

TLocaleProvider& CurrentLocaleProvider() {
  TLocaleProvider* provider = installedProvider.load(std::memory_order_acquire);
  return provider ? *provider : DefaultLocaleProvider();
}

TLocaleProvider* InstallLocaleProvider(TLocaleProvider* provider) {
  return installedProvider.exchange(provider, std::memory_order_acq_rel);
}

}  // namespace platform
