// Translation files shared by many components: a file of 100,000 lines (20
// owners, tags 0 to 4, 1,000 lines each) and a component with a table of
// 35,000 lines. Loading is timed against the string list's LoadFromFile of the
// same file alone, saving against LoadFromFile plus SaveToFile of that file;
// each counter ratio_* compares the two, measured in the same loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>

#include "Lxv/SortList.h"
#include "Lxv/TranslationFile.h"
#include "platform/base/conversions.h"

namespace {

const std::string kPath = std::string(LXV_BENCH_BINARY_DIR) + "/translation_file_bench.txt";
const std::string kOwner = "Form07";
constexpr int kTag = 2;

std::string Key(int lcid, int key) { return platform::IntToHex(lcid, 8) + "_PROPERTY" + std::to_string(key); }

// 35,000 lines: 600 locales of 58 keys and some more, in table order.
void FillTable(Lxv::TSortList& table) {
  for (int i = 0; table.Count() < 35000; ++i)
    table.SortInsert(Key(0x401 + i / 58, i % 58) + "=table value " + std::to_string(i), nullptr);
}

// Each (owner, tag) holds 1,000 lines; the component's own share keys with
// its table. Written as the system writes: sorted, CR LF.
std::string FileBytes() {
  Lxv::TSortList lines;
  for (int owner = 1; owner <= 20; ++owner)
    for (int tag = 0; tag <= 4; ++tag)
      for (int i = 0; i < 1000; ++i)
        lines.Add("#2Form" + std::string(owner < 10 ? "0" : "") + std::to_string(owner) + "." +
                  Key(0x401 + i / 58, i % 58) + "%" + std::to_string(tag) + "=file value " + std::to_string(i));
  lines.CustomSort([](const platform::TStringList& l, int a, int b) { return l.Strings(a).compare(l.Strings(b)); });
  return lines.Text();
}

void Restore(const std::string& bytes) {
  std::ofstream(kPath, std::ios::binary | std::ios::trunc) << bytes;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_LoadFromSharedFile(benchmark::State& state) {
  const std::string bytes = FileBytes();
  Restore(bytes);
  Lxv::TSortList table;
  FillTable(table);
  double load = 0, baseline = 0;
  for (auto _ : state) {
    Lxv::TSortList copy;
    copy.Assign(&table);
    auto start = std::chrono::steady_clock::now();
    Lxv::LoadTranslationFile(copy, kOwner, kTag, kPath);
    auto middle = std::chrono::steady_clock::now();
    {
      platform::TStringList plain;
      plain.LoadFromFile(kPath);
      benchmark::DoNotOptimize(plain.Count());
    }
    auto end = std::chrono::steady_clock::now();
    load += Seconds(middle - start);
    baseline += Seconds(end - middle);
    state.SetIterationTime(Seconds(middle - start));
  }
  state.counters["load_ms"] = 1000 * load / static_cast<double>(state.iterations());
  state.counters["load_from_file_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
  state.counters["ratio_vs_load_from_file"] = load / baseline;
}
BENCHMARK(BM_LoadFromSharedFile)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SaveToSharedFile(benchmark::State& state) {
  const std::string bytes = FileBytes();
  Lxv::TSortList table;
  FillTable(table);
  double save = 0, baseline = 0;
  for (auto _ : state) {
    Restore(bytes);
    auto start = std::chrono::steady_clock::now();
    Lxv::SaveTranslationFile(table, kOwner, kTag, kPath);
    auto middle = std::chrono::steady_clock::now();
    Restore(bytes);
    auto resumed = std::chrono::steady_clock::now();
    {
      platform::TStringList plain;
      plain.LoadFromFile(kPath);
      plain.SaveToFile(kPath);
    }
    auto end = std::chrono::steady_clock::now();
    save += Seconds(middle - start);
    baseline += Seconds(end - resumed);
    state.SetIterationTime(Seconds(middle - start));
  }
  state.counters["save_ms"] = 1000 * save / static_cast<double>(state.iterations());
  state.counters["load_save_file_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
  state.counters["ratio_vs_load_save_file"] = save / baseline;
}
BENCHMARK(BM_SaveToSharedFile)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
