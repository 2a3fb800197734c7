#include "platform/locale/locale_provider.h"

#include <atomic>

#include "platform/base/exceptions.h"

namespace platform {
namespace {

// Constant-initialised, so services called from other static initialisers
// see "no provider installed" rather than garbage.
std::atomic<TLocaleProvider*> installedProvider{nullptr};
std::atomic<TLocaleProvider*> defaultProvider{nullptr};
std::atomic<unsigned> providerGeneration{0};

}  // namespace

TLocaleProvider& DefaultLocaleProvider() {
  TLocaleProvider* provider = defaultProvider.load(std::memory_order_acquire);
  if (provider == nullptr) throw Exception("No locale provider is registered");
  return *provider;
}

void SetDefaultLocaleProvider(TLocaleProvider& provider) {
  defaultProvider.store(&provider, std::memory_order_release);
  providerGeneration.fetch_add(1, std::memory_order_acq_rel);
}

TLocaleProvider& CurrentLocaleProvider() {
  TLocaleProvider* provider = installedProvider.load(std::memory_order_acquire);
  return provider ? *provider : DefaultLocaleProvider();
}

TLocaleProvider* InstallLocaleProvider(TLocaleProvider* provider) {
  TLocaleProvider* previous = installedProvider.exchange(provider, std::memory_order_acq_rel);
  providerGeneration.fetch_add(1, std::memory_order_acq_rel);
  return previous;
}

unsigned LocaleProviderGeneration() { return providerGeneration.load(std::memory_order_acquire); }

}  // namespace platform
