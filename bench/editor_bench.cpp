// The editor dialog's FormShow with the pool built from every supported
// locale of the operating system, against the AddOrgProps calls for those
// locales alone, timed in the same iterations. The counter
// formshow_vs_addorgprops is the warm ratio; cold_ms is the first FormShow of
// the process, when the locale answers are not cached yet.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "Lxv/Lexivar.h"
#include "LxvEdit/LocaleEditor.h"
#include "platform/forms/form.h"
#include "platform/forms/headless.h"
#include "platform/locale/locale_services.h"
#include "platform/settings/reg_ini_file.h"

using namespace platform;

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::duration d) { return std::chrono::duration<double>(d).count(); }

// The LCIDs the operating system enumerates, in its order.
std::vector<LCID> SupportedLocales() {
  static std::vector<std::string>* texts = nullptr;
  std::vector<std::string> found;
  texts = &found;
  EnumSystemLocalesA([](char* text) -> BOOL { texts->emplace_back(text); return 1; }, LCID_SUPPORTED);
  std::vector<LCID> lcids;
  for (const std::string& text : found) lcids.push_back(static_cast<LCID>(std::stoul(text, nullptr, 16)));
  return lcids;
}

double TimeFormShow(Lxv::TLexivar& lexivar) {
  TOwned<LxvEdit::TLocaleEditor> dialog(new LxvEdit::TLocaleEditor(nullptr));
  dialog->EditComponent = &lexivar;
  const auto start = TClock::now();
  dialog->FormShow(dialog.get());
  const double seconds = Seconds(TClock::now() - start);
  benchmark::DoNotOptimize(dialog->SystemLocaleProps->Count());
  return seconds;
}

void BM_EditorFormShowAgainstAddOrgProps(benchmark::State& state) {
  THeadlessSession session;
  const std::filesystem::path settings = std::filesystem::temp_directory_path() / "lxv_editor_bench";
  SetSettingsDirectory(settings.string());
  TOwned<TForm> form(new TForm(nullptr));
  form->SetName("BenchForm");
  auto* lexivar = new Lxv::TLexivar(form.get());
  const double cold = TimeFormShow(*lexivar);
  const std::vector<LCID> locales = SupportedLocales();
  double show = 0, direct = 0, refresh = 0, enumerate = 0;
  for (auto _ : state) {
    show += TimeFormShow(*lexivar);
    {
      TOwned<LxvEdit::TLocaleEditor> dialog(new LxvEdit::TLocaleEditor(nullptr));
      dialog->EditComponent = lexivar;
      dialog->FormShow(dialog.get());
      auto start = TClock::now();
      dialog->RefreshLists();
      refresh += Seconds(TClock::now() - start);
      start = TClock::now();
      benchmark::DoNotOptimize(SupportedLocales().size());
      enumerate += Seconds(TClock::now() - start);
    }
    Lxv::TSortList pool;
    const auto start = TClock::now();
    for (LCID lcid : locales) lexivar->AddOrgProps(lcid, pool);
    direct += Seconds(TClock::now() - start);
    benchmark::DoNotOptimize(pool.Count());
  }
  state.counters["locales"] = static_cast<double>(locales.size());
  state.counters["cold_ms"] = cold * 1000;
  state.counters["formshow_ms"] = show * 1000 / static_cast<double>(state.iterations());
  state.counters["addorgprops_ms"] = direct * 1000 / static_cast<double>(state.iterations());
  state.counters["refreshlists_ms"] = refresh * 1000 / static_cast<double>(state.iterations());
  state.counters["enumerate_ms"] = enumerate * 1000 / static_cast<double>(state.iterations());
  state.counters["formshow_vs_addorgprops"] = direct > 0 ? show / direct : 0;
  SetSettingsDirectory("");
  std::filesystem::remove_all(settings);
}
BENCHMARK(BM_EditorFormShowAgainstAddOrgProps)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
