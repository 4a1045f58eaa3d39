// The help viewer opening a page of one word of 20,000, 200,000 and 2,000,000
// letters, up to its first painted image. The time per letter stays the same
// within a factor of 2 across them (the page's layout is linear in the word).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "LERVENTA/app/lerventa_app.h"
#include "LERVENTA/app/lerventa_view.h"
#include "bench/scratch_folder.h"
#include "platform/testing/window_testing.h"

namespace {

// The pages' folder, removed at the end of the run (the settings are main's scratch folder's).
const std::string& PageFolder() {
  static const bench::ScratchFolder folder("lerventa-bench");
  return folder.root();
}

// A help page holding one word of `letters` letters.
std::string WritePage(std::int64_t letters) {
  const std::string name = "WORD" + std::to_string(letters) + ".HTM";
  std::ofstream page(PageFolder() + name, std::ios::binary);
  page << "<html><head><title>One word</title></head><body><p>";
  for (std::int64_t i = 0; i < letters; ++i) page << static_cast<char>('a' + i % 26);
  page << "</p></body></html>";
  return name;
}

void BM_OpenPageOfOneWord(benchmark::State& bm) {
  const std::int64_t letters = bm.range(0);
  const std::string name = WritePage(letters);
  for (auto _ : bm) {
    plat::testing::QuitCatcher quit;
    lerventa::CLerventaApp app(PageFolder());
    if (!app.Open(name) || app.view() == nullptr) {
      bm.SkipWithError("the page did not open");
      break;
    }
    const plat::Bitmap shown = plat::testing::WindowPixels(*app.view());
    benchmark::DoNotOptimize(shown);
    bm.PauseTiming();
    app.ExitInstance();
    plat::testing::PumpMessages();
    bm.ResumeTiming();
  }
  bm.SetItemsProcessed(bm.iterations() * letters);
  bm.counters["time_per_letter"] =
      benchmark::Counter(static_cast<double>(letters), benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_OpenPageOfOneWord)->Arg(20000)->Arg(200000)->Arg(2000000)->Unit(benchmark::kMillisecond);

}  // namespace
