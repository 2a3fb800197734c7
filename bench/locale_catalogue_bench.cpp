// The whole catalogue of every supported locale through GetLocaleInfoA:
// the first pass computes each locale's answers from ICU (cold), later
// passes find them cached (warm). The warm pass is measured against the same
// number of lookups in a std::unordered_map<std::string, std::string> built
// in the same run; the counter warm_vs_map is that ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/locale/icu/icu_provider.h"
#include "platform/locale/locale_services.h"

using namespace platform;

namespace {

// Every LCTYPE the catalogue queries (names, the three the time formats are
// built from, the seventeen other rows) and the time picture.
std::vector<LCTYPE> CatalogueTypes() {
  std::vector<LCTYPE> types;
  for (LCTYPE type = LOCALE_SDAYNAME1; type <= LOCALE_SABBREVMONTHNAME1 + 11; ++type) types.push_back(type);
  for (LCTYPE type : {LOCALE_ILZERO, LOCALE_ITIME, LOCALE_ITIMEMARKPOSN, LOCALE_STIME, LOCALE_S1159, LOCALE_S2359,
                      LOCALE_SDATE, LOCALE_SSHORTDATE, LOCALE_SLONGDATE, LOCALE_ICURRENCY, LOCALE_INEGCURR,
                      LOCALE_ICURRDIGITS, LOCALE_SCURRENCY, LOCALE_STHOUSAND, LOCALE_SDECIMAL, LOCALE_SENGLANGUAGE,
                      LOCALE_SNATIVELANGNAME, LOCALE_SENGCOUNTRY, LOCALE_SNATIVECTRYNAME, LOCALE_SLIST,
                      LOCALE_STIMEFORMAT})
    types.push_back(type);
  return types;
}

const std::vector<LCID>& Locales() {
  static const std::vector<LCID> locales = DefaultLocaleProvider().SupportedLocales();
  return locales;
}

// One pass over every locale and type; returns the bytes copied so the work
// cannot be optimised away.
std::size_t CataloguePass(const std::vector<LCTYPE>& types) {
  char buffer[256];
  std::size_t bytes = 0;
  for (LCID locale : Locales())
    for (LCTYPE type : types) bytes += static_cast<std::size_t>(GetLocaleInfoA(locale, type, buffer, 255));
  return bytes;
}

struct TMapBaseline {
  std::unordered_map<std::string, std::string> answers;
  std::vector<std::string> keys;  // in the order of a catalogue pass
};

TMapBaseline BuildBaseline(const std::vector<LCTYPE>& types) {
  TMapBaseline baseline;
  char buffer[256], key[32];
  for (LCID locale : Locales()) {
    for (LCTYPE type : types) {
      std::snprintf(key, sizeof key, "%08X_%u", static_cast<unsigned>(locale), static_cast<unsigned>(type));
      baseline.keys.emplace_back(key);
      if (GetLocaleInfoA(locale, type, buffer, 255)) baseline.answers.emplace(key, buffer);
    }
  }
  return baseline;
}

// The same lookups in the map, copying each answer as GetLocaleInfoA does.
std::size_t MapPass(const TMapBaseline& baseline) {
  char buffer[256];
  std::size_t bytes = 0;
  for (const std::string& key : baseline.keys) {
    const auto found = baseline.answers.find(key);
    if (found == baseline.answers.end() || found->second.size() >= sizeof buffer) continue;
    std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
    bytes += found->second.size() + 1;
  }
  benchmark::DoNotOptimize(buffer);
  return bytes;
}

double Seconds(std::chrono::steady_clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

void BM_CataloguePassCold(benchmark::State& state) {
  const std::vector<LCTYPE> types = CatalogueTypes();
  double cold = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TIcuLocaleProvider fresh;  // an empty cache
    TLocaleProviderGuard guard(fresh);
    state.ResumeTiming();
    const auto begin = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(CataloguePass(types));
    cold += Seconds(std::chrono::steady_clock::now() - begin);
  }
  // The map baseline of the same lookups, measured in the same run.
  const TMapBaseline baseline = BuildBaseline(types);
  constexpr int kMapPasses = 20;
  const auto begin = std::chrono::steady_clock::now();
  for (int pass = 0; pass < kMapPasses; ++pass) benchmark::DoNotOptimize(MapPass(baseline));
  const double mapPass = Seconds(std::chrono::steady_clock::now() - begin) / kMapPasses;
  const double coldPass = cold / static_cast<double>(state.iterations());
  state.counters["locales"] = static_cast<double>(Locales().size());
  state.counters["lookups_per_pass"] = static_cast<double>(baseline.keys.size());
  state.counters["cold_ns_per_lookup"] = coldPass / static_cast<double>(baseline.keys.size()) * 1e9;
  state.counters["cold_vs_map"] = coldPass / mapPass;
}
BENCHMARK(BM_CataloguePassCold)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CataloguePassWarmVersusMap(benchmark::State& state) {
  const std::vector<LCTYPE> types = CatalogueTypes();
  TIcuLocaleProvider provider;
  TLocaleProviderGuard guard(provider);
  CataloguePass(types);  // fill the cache
  const TMapBaseline baseline = BuildBaseline(types);
  double warm = 0, map = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(CataloguePass(types));
    const auto middle = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(MapPass(baseline));
    const auto end = std::chrono::steady_clock::now();
    warm += Seconds(middle - start);
    map += Seconds(end - middle);
  }
  const double lookups = static_cast<double>(baseline.keys.size()) * static_cast<double>(state.iterations());
  state.counters["warm_ns_per_lookup"] = warm / lookups * 1e9;
  state.counters["map_ns_per_lookup"] = map / lookups * 1e9;
  state.counters["warm_vs_map"] = warm / map;
}
BENCHMARK(BM_CataloguePassWarmVersusMap)->Unit(benchmark::kMillisecond);

}  // namespace
