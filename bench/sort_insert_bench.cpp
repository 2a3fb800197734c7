// Filling one sorted list with the catalogue lines of every locale, one line
// at a time, against std::sort of the same lines measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "Lxv/SortList.h"
#include "platform/base/conversions.h"

namespace {

std::vector<std::string> CatalogueKeys() {
  std::vector<std::string> keys;
  for (const char* array : {"LONGDAYNAMES", "SHORTDAYNAMES"})
    for (int i = 1; i <= 7; ++i) keys.push_back(std::string(array) + "[" + std::to_string(i) + "]");
  for (const char* array : {"LONGMONTHNAMES", "SHORTMONTHNAMES"})
    for (int i = 1; i <= 12; ++i) keys.push_back(std::string(array) + "[" + std::to_string(i) + "]");
  for (const char* key : {"SHORTTIMEFORMAT", "LONGTIMEFORMAT", "TIMESEPARATOR", "TIMEAMSTRING", "TIMEPMSTRING",
                          "DATESEPARATOR", "SHORTDATEFORMAT", "LONGDATEFORMAT", "CURRENCYFORMAT", "NEGCURRFORMAT",
                          "CURRENCYDECIMALS", "CURRENCYSTRING", "THOUSANDSEPARATOR", "DECIMALSEPARATOR",
                          "ENGLISHNAME", "NATIVENAME", "ENGLISHCOUNTRYNAME", "NATIVECOUNTRYNAME", "LISTSEPARATOR",
                          "TWODIGITYEARCENTURYWINDOW"})
    keys.push_back(key);
  return keys;
}

// About 600 locales x 58 keys: locales shuffled, keys in catalogue order.
std::vector<std::string> CatalogueLines(std::size_t count) {
  std::mt19937 rng(42);
  const std::vector<std::string> keys = CatalogueKeys();
  std::vector<int> lcids;
  for (std::size_t i = 0; lcids.size() * keys.size() < count; ++i) lcids.push_back(0x401 + static_cast<int>(i) * 7);
  std::shuffle(lcids.begin(), lcids.end(), rng);
  std::vector<std::string> lines;
  for (int lcid : lcids)
    for (const std::string& key : keys) {
      if (lines.size() == count) return lines;
      std::string value(5 + rng() % 16, 'a');
      for (char& c : value) c = static_cast<char>('a' + rng() % 26);
      lines.push_back(platform::IntToHex(lcid, 8) + "_" + key + "=" + value);
    }
  return lines;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_SortInsertAgainstStdSort(benchmark::State& state) {
  const std::vector<std::string> lines = CatalogueLines(static_cast<std::size_t>(state.range(0)));
  double sortInsert = 0, stdSort = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    {
      Lxv::TSortList list;
      for (const std::string& line : lines) list.SortInsert(line, nullptr);
      benchmark::DoNotOptimize(list.Count());
    }
    auto middle = std::chrono::steady_clock::now();
    {
      std::vector<std::string> copy = lines;
      std::sort(copy.begin(), copy.end());
      benchmark::DoNotOptimize(copy.data());
    }
    auto end = std::chrono::steady_clock::now();
    sortInsert += Seconds(middle - start);
    stdSort += Seconds(end - middle);
    state.SetIterationTime(Seconds(middle - start));
  }
  state.counters["sort_insert_ms"] = 1000 * sortInsert / static_cast<double>(state.iterations());
  state.counters["std_sort_ms"] = 1000 * stdSort / static_cast<double>(state.iterations());
  state.counters["ratio_vs_std_sort"] = sortInsert / stdSort;
}
BENCHMARK(BM_SortInsertAgainstStdSort)->Arg(35000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Sequential walk over a long list, the common access pattern.
void BM_SequentialWalk(benchmark::State& state) {
  const std::vector<std::string> lines = CatalogueLines(35000);
  Lxv::TSortList list;
  for (const std::string& line : lines) list.SortInsert(line, nullptr);
  for (auto _ : state) {
    std::size_t total = 0;
    for (int i = 0; i < list.Count(); ++i) total += list.Strings(i).size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_SequentialWalk)->Unit(benchmark::kMicrosecond);

}  // namespace
