// The translator component's two bulk operations, each against a baseline
// measured in the same run:
//  - TranslateLocale of one locale in a table of 600 locales' catalogues,
//    against a plain loop over the same lines that only tests the prefix
//    (counter translate_vs_prefix_loop);
//  - AddOrgProps of every supported locale into one list, with the locale
//    answers cached, against the same GetLocaleInfoA calls alone
//    (counter catalogue_vs_queries).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstring>
#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "Lxv/LocaleDesignator.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_provider.h"

using namespace platform;

namespace {

// This thread's processor time: the machine is shared, so wall time would
// charge either side with the other programs' work.
double Now() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<LCID> SupportedLocales(std::size_t atMost) {
  std::vector<LCID> locales = DefaultLocaleProvider().SupportedLocales();
  if (locales.size() > atMost) locales.resize(atMost);
  return locales;
}

std::size_t PrefixLoop(const Lxv::TSortList& table, const std::string& prefix) {
  std::size_t lines = 0;
  for (int i = 0; i < table.Count(); ++i)
    if (table.Strings(i).starts_with(prefix)) ++lines;
  return lines;
}

void BM_TranslateLocaleAgainstPrefixLoop(benchmark::State& state) {
  const TFormatSettings saved = FormatSettings();
  Lxv::TLexivar lexivar(nullptr);
  Lxv::TSortList& table = *lexivar.Translations();
  table.Clear();
  // The supported locales, and made-up ones (all defaults) up to 600.
  std::vector<LCID> locales = SupportedLocales(600);
  for (LCID made = 0x7000; locales.size() < 600; ++made) locales.push_back(made);
  for (LCID lcid : locales) lexivar.AddOrgProps(lcid, table);
  const LCID target = locales[locales.size() / 2];
  const std::string prefix = Lxv::LocalePrefix(target);
  double translate = 0, loop = 0;
  for (auto _ : state) {
    const auto start = Now();
    benchmark::DoNotOptimize(lexivar.TranslateLocale(target));
    const auto middle = Now();
    benchmark::DoNotOptimize(PrefixLoop(table, prefix));
    const auto end = Now();
    translate += middle - start;
    loop += end - middle;
  }
  FormatSettings() = saved;
  state.counters["lines"] = table.Count();
  state.counters["translate_us"] = translate / static_cast<double>(state.iterations()) * 1e6;
  state.counters["prefix_loop_us"] = loop / static_cast<double>(state.iterations()) * 1e6;
  state.counters["translate_vs_prefix_loop"] = translate / loop;
}
BENCHMARK(BM_TranslateLocaleAgainstPrefixLoop)->Unit(benchmark::kMicrosecond);

// Exactly the queries the catalogue makes for one locale.
std::size_t CatalogueQueries(LCID lcid) {
  char buffer[256];
  std::size_t bytes = 0;
  const auto ask = [&](LCTYPE type) { return static_cast<std::size_t>(GetLocaleInfoA(lcid, type, buffer, 255)); };
  for (LCTYPE type = LOCALE_SDAYNAME1; type <= LOCALE_SABBREVMONTHNAME1 + 11; ++type) bytes += ask(type);
  bytes += ask(LOCALE_ILZERO);
  const bool twelveHours = ask(LOCALE_ITIME) == 0 || std::strcmp(buffer, "0") == 0;
  if (twelveHours) bytes += ask(LOCALE_ITIMEMARKPOSN);
  for (LCTYPE type : {LOCALE_STIME, LOCALE_S1159, LOCALE_S2359, LOCALE_SDATE, LOCALE_SSHORTDATE, LOCALE_SLONGDATE,
                      LOCALE_ICURRENCY, LOCALE_INEGCURR, LOCALE_ICURRDIGITS, LOCALE_SCURRENCY, LOCALE_STHOUSAND,
                      LOCALE_SDECIMAL, LOCALE_SENGLANGUAGE, LOCALE_SNATIVELANGNAME, LOCALE_SENGCOUNTRY,
                      LOCALE_SNATIVECTRYNAME, LOCALE_SLIST})
    bytes += ask(type);
  return bytes;
}

void BM_CatalogueOfEveryLocaleAgainstQueries(benchmark::State& state) {
  const std::vector<LCID> locales = SupportedLocales(SIZE_MAX);
  Lxv::TLexivar lexivar(nullptr);
  for (LCID lcid : locales) CatalogueQueries(lcid);  // warm the answer cache
  double catalogue = 0, queries = 0;
  int lines = 0;
  for (auto _ : state) {
    Lxv::TSortList pool;
    const auto start = Now();
    for (LCID lcid : locales) lexivar.AddOrgProps(lcid, pool);
    const auto middle = Now();
    std::size_t bytes = 0;
    for (LCID lcid : locales) bytes += CatalogueQueries(lcid);
    benchmark::DoNotOptimize(bytes);
    const auto end = Now();
    catalogue += middle - start;
    queries += end - middle;
    lines = pool.Count();
  }
  state.counters["locales"] = static_cast<double>(locales.size());
  state.counters["lines"] = lines;
  state.counters["catalogue_ms"] = catalogue / static_cast<double>(state.iterations()) * 1e3;
  state.counters["queries_ms"] = queries / static_cast<double>(state.iterations()) * 1e3;
  state.counters["catalogue_vs_queries"] = catalogue / queries;
}
BENCHMARK(BM_CatalogueOfEveryLocaleAgainstQueries)->Unit(benchmark::kMillisecond);

}  // namespace
