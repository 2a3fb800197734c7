// A form holding one component with a string list of 6,000 lines (100
// locales of the catalogue) written to a file and read back. Each benchmark
// times the form operation and, in the same loop, a baseline on the same
// bytes: writing times plain file output; reading times reading the file and
// cutting its lines into a std::vector<std::string>, one allocation per line
// as the list makes (read_vs_file compares with the I/O alone).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/rtti/published.h"
#include "platform/classes/reader.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"
#include "platform/classes/strings.h"
#include "platform/classes/writer.h"

using namespace platform;

namespace {

class TBenchHolder : public TComponent {
  LXV_CLASS(TBenchHolder, TComponent)
 public:
  explicit TBenchHolder(TComponent* owner) : TComponent(owner) {}
  TStringList* Translations() const { return const_cast<TStringList*>(&lines_); }
  void SetTranslations(TStringList* value) { lines_.Assign(value); }

 private:
  TStringList lines_;
};

}  // namespace

TClass TBenchHolder::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBenchHolder>("TBenchHolder")
      .Property("Translations", &TBenchHolder::Translations, &TBenchHolder::SetTranslations)
      .Build();
  return &info;
}

namespace {

const std::string kPath = std::string(LXV_BENCH_BINARY_DIR) + "/form_stream_bench.tmp";

TOwned<TBenchHolder> MakeHolder() {
  TOwned<TBenchHolder> holder(new TBenchHolder(nullptr));
  holder->SetName("Lexivar1");
  char line[96];
  for (int locale = 0; locale < 100; ++locale)
    for (int key = 0; key < 60; ++key) {
      std::snprintf(line, sizeof line, "%08X_PROPERTY%02d=value of setting %d for locale %d", 0x400 + locale, key, key,
                    locale);
      holder->Translations()->Add(line);
    }
  return holder;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void PlainWrite(const std::string& bytes) {
  std::FILE* f = std::fopen(kPath.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Reads into a buffer the caller keeps, so that the baseline is the I/O alone.
std::size_t PlainRead(std::string& bytes) {
  std::FILE* f = std::fopen(kPath.c_str(), "rb");
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return got;
}

// Where the list's items start: after the property name and the list marker.
std::size_t ListItemsOffset(const std::string& bytes) {
  const std::string name = "Translations.Strings";
  return bytes.find(name) + name.size() + 1;
}

// The baseline reader: the whole file into a buffer the caller keeps (as the
// form reader keeps its stream buffer), then each length-prefixed line copied
// out until the list's end marker. It knows where the list starts and trusts
// the bytes: the form reader does everything else on top of this.
std::vector<std::string> ReadAndSplitLines(std::string& bytes, std::size_t offset) {
  bytes.resize(PlainRead(bytes));
  std::vector<std::string> lines;
  std::size_t at = offset;
  while (at < bytes.size() && bytes[at] != 0) {
    std::size_t length = 0;
    if (bytes[at] == 0x06) {  // short string: one length byte
      length = static_cast<unsigned char>(bytes[at + 1]);
      at += 2;
    } else {  // long string: four length bytes
      std::uint32_t n = 0;
      std::memcpy(&n, bytes.data() + at + 1, sizeof n);
      length = n;
      at += 5;
    }
    lines.emplace_back(bytes, at, length);
    at += length;
  }
  return lines;
}

std::string FormBytes(TComponent* root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(root);
  return stream.Data();
}

void BM_FormWriteVersusFile(benchmark::State& state) {
  const auto holder = MakeHolder();
  const std::string bytes = FormBytes(holder.get());
  double form = 0, plain = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    {
      TFileStream file(kPath, TFileMode::fmCreate);
      TWriter writer(file);
      writer.WriteRootComponent(holder.get());
    }
    const auto middle = std::chrono::steady_clock::now();
    PlainWrite(bytes);
    const auto end = std::chrono::steady_clock::now();
    form += Seconds(middle - start);
    plain += Seconds(end - middle);
  }
  state.counters["form_bytes"] = static_cast<double>(bytes.size());
  state.counters["write_us"] = 1e6 * form / static_cast<double>(state.iterations());
  state.counters["file_us"] = 1e6 * plain / static_cast<double>(state.iterations());
  state.counters["write_vs_file"] = form / plain;
}
BENCHMARK(BM_FormWriteVersusFile)->Unit(benchmark::kMillisecond);

void BM_FormReadVersusFile(benchmark::State& state) {
  RegisterClass(TBenchHolder::StaticClass());
  const auto holder = MakeHolder();
  const std::string bytes = FormBytes(holder.get());
  PlainWrite(bytes);
  const std::size_t offset = ListItemsOffset(bytes);
  std::string buffer(bytes.size(), '\0');
  if (ReadAndSplitLines(buffer, offset).size() != static_cast<std::size_t>(holder->Translations()->Count()))
    return state.SkipWithError("the baseline does not find the list's lines");
  double form = 0, split = 0, plain = 0;
  // Whichever side allocates first in an iteration also pays for tidying the
  // heap after the previous one, so the two take turns going first.
  bool formFirst = true;
  for (auto _ : state) {
    // Freeing what was read is not part of reading: it happens after the clock.
    TOwned<TComponent> read;
    std::vector<std::string> lines;
    const auto readForm = [&] {
      const auto start = std::chrono::steady_clock::now();
      TFileStream file(kPath, TFileMode::fmOpenRead);
      TReader reader(file);
      read.reset(reader.ReadRootComponent(nullptr));
      benchmark::DoNotOptimize(read.get());
      form += Seconds(std::chrono::steady_clock::now() - start);
    };
    const auto readLines = [&] {
      const auto start = std::chrono::steady_clock::now();
      lines = ReadAndSplitLines(buffer, offset);
      benchmark::DoNotOptimize(lines.data());
      split += Seconds(std::chrono::steady_clock::now() - start);
    };
    if (formFirst) {
      readForm();
      readLines();
    } else {
      readLines();
      readForm();
    }
    formFirst = !formFirst;
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(PlainRead(buffer));
    plain += Seconds(std::chrono::steady_clock::now() - start);
  }
  const auto perIteration = [&](double seconds) { return 1e6 * seconds / static_cast<double>(state.iterations()); };
  state.counters["form_bytes"] = static_cast<double>(bytes.size());
  state.counters["read_us"] = perIteration(form);
  state.counters["split_us"] = perIteration(split);
  state.counters["file_us"] = perIteration(plain);
  state.counters["read_vs_split"] = form / split;
  state.counters["read_vs_file"] = form / plain;
}
BENCHMARK(BM_FormReadVersusFile)->Unit(benchmark::kMillisecond);

}  // namespace
