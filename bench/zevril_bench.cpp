// The page printer: loading a listing of 20,000 lines (target: under 20 ms)
// and a screen paint of its first page on a 1920 x 1080 window (under 5 ms).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Zelko1/listing/print_lines.h"
#include "Zelko1/page/page_form.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"

namespace {

constexpr int kListingLines = 20000;

// A listing of result lines as the solver writes them.
std::string WriteListing() {
  const std::string path = (std::filesystem::temp_directory_path() / "zevril_bench_D1.TXT").string();
  std::ofstream out(path, std::ios::binary);
  char line[160];
  for (int i = 1; i <= kListingLines; ++i) {
    std::snprintf(line, sizeof line, "%6d  %12.4f  %12.4f  %12.4f  %12.4f  %12.4f  %12.4f\r\n", i, i * 0.25,
                  -i * 1.5, i * 0.001, 12.5, -7.25, i * 3.0);
    out << line;
  }
  return path;
}

void BM_LoadPrintFile(benchmark::State& state) {
  const std::string path = WriteListing();
  zevril::PrintLineTable table;
  for (auto _ : state) {
    zevril::LoadPrintFile(path, table);
    benchmark::DoNotOptimize(table.lines.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadPrintFile)->Unit(benchmark::kMillisecond);

void BM_PaintFirstPage(benchmark::State& state) {
  const std::string path = WriteListing();
  zevril::ZevrilState listing;
  zevril::LoadPrintFile(path, listing.table);
  std::filesystem::remove(path);
  plat::Bitmap image(1920, 1080);
  zevril::PageOptions options;
  options.width = 1920;
  options.height = 1080;
  for (auto _ : state) {
    state.PauseTiming();
    image.Fill(plat::Rgb(255, 255, 255));
    state.ResumeTiming();
    plat::PainterDc dc(image);
    benchmark::DoNotOptimize(zevril::DrawPage(listing, options, dc));
  }
}
BENCHMARK(BM_PaintFirstPage)->Unit(benchmark::kMillisecond);

}  // namespace
