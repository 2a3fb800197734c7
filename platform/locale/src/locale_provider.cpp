#include "platform/locale/locale_provider.h"

#include <atomic>

#include "platform/base/exceptions.h"

namespace platform {
namespace {

// Constant-initialised, so services called from other static initialisers
// see "no provider installed" rather than garbage.
std::atomic<TLocaleProvider*> installedProvider{nullptr};
std::atomic<TLocaleProvider*> defaultProvider{nullptr};

}  // namespace

TLocaleProvider& DefaultLocaleProvider() {
  TLocaleProvider* provider = defaultProvider.load(std::memory_order_acquire);
  if (provider == nullptr) throw Exception("No locale provider is registered");
  return *provider;
}

void SetDefaultLocaleProvider(TLocaleProvider& provider) {
  defaultProvider.store(&provider, std::memory_order_release);
}

TLocaleProvider& CurrentLocaleProvider() {
  TLocaleProvider* provider = installedProvider.load(std::memory_order_acquire);
  return provider ? *provider : DefaultLocaleProvider();
}

TLocaleProvider* InstallLocaleProvider(TLocaleProvider* provider) {
  return installedProvider.exchange(provider, std::memory_order_acq_rel);
}

}  // namespace platform
