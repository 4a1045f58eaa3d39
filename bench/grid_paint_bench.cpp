// The grid's painting: a grid of 101 rows and 16 columns of numbers painted
// whole in a client area of 1280 x 2020, and a page scroll with its repaint in
// 800 x 600. The run's context names the grid's drawing calls (a hash of its
// recording) and the pixels its paint shows, so that two builds compared
// side by side are seen to draw the same.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/scratch_folder.h"
#include "grid/grid_ctrl.h"
#include "platform/application.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/window_testing.h"

namespace {

// A dialog holding a table of numbers like "1.000E+00" in a client area of
// the size given.
struct NumberTable {
  plat::Window parent;
  grid::CGridCtrl grid;

  NumberTable(int width, int height) {
    parent.Create("bench", plat::WS_VISIBLE, plat::Rect{0, 0, width + 100, height + 100});
    grid.Create("", plat::WS_CHILD | plat::WS_VISIBLE | plat::WS_VSCROLL | plat::WS_HSCROLL,
                plat::Rect{0, 0, width, height}, &parent, 5);
    grid.SetRowCount(101);
    grid.SetColumnCount(16);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int row = 0; row < 101; ++row) {
      grid.SetRowHeight(row, 20);
      for (int col = 0; col < 16; ++col) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3E", 1.0 + row * 16 + col);
        grid::GridItem item;
        item.row = row;
        item.col = col;
        item.mask = grid::kMaskText | grid::kMaskFormat;
        item.text = text;
        item.format = plat::DT_RIGHT | plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_END_ELLIPSIS;
        grid.SetItem(&item);
      }
    }
    for (int col = 0; col < 16; ++col) grid.SetColumnWidth(col, 80);
    grid.SetFocusCell(3, 3);
    grid.SelectCellRange(3, 3, 5, 5);
  }
};

void BM_PaintWholeGrid(benchmark::State& state) {
  NumberTable table(1280, 2020);
  for (auto _ : state) {
    table.grid.Invalidate();
    table.grid.UpdateWindow();
  }
}
BENCHMARK(BM_PaintWholeGrid)->Unit(benchmark::kMillisecond);

void BM_PageDownWithRepaint(benchmark::State& state) {
  NumberTable table(800, 600);
  table.grid.UpdateWindow();
  plat::UINT code = plat::SB_PAGEDOWN;
  for (auto _ : state) {
    const int before = table.grid.GetScrollPos(plat::SB_VERT);
    table.grid.SendMessage(plat::WM_VSCROLL, code);
    table.grid.UpdateWindow();
    // At either end the pages go back the other way.
    if (table.grid.GetScrollPos(plat::SB_VERT) == before) {
      code = code == plat::SB_PAGEDOWN ? plat::SB_PAGEUP : plat::SB_PAGEDOWN;
    }
  }
}
BENCHMARK(BM_PageDownWithRepaint)->Unit(benchmark::kMillisecond);

// FNV-1a, as hex.
struct Fnv {
  std::uint64_t hash = 14695981039346656037ull;
  void Add(std::uint64_t byte) {
    hash ^= byte & 0xFF;
    hash *= 1099511628211ull;
  }
  std::string Hex() const {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
  }
};

// The whole grid's drawing calls and the pixels of its painted window.
void AddWhatThePaintDraws() {
  NumberTable table(1280, 2020);
  plat::DeviceCaps caps = plat::RecordingDc::FixedCaps();
  caps.horz_res = 1280;
  caps.vert_res = 2020;
  plat::RecordingDc recording(caps);
  table.grid.OnDraw(recording);
  Fnv calls;
  for (char c : recording.Text()) calls.Add(static_cast<unsigned char>(c));
  benchmark::AddCustomContext("grid recording", calls.Hex() + " (" + std::to_string(recording.ops().size()) +
                                                    " calls)");
  table.grid.Invalidate();
  table.grid.UpdateWindow();
  const plat::Bitmap pixels = plat::testing::WindowPixels(table.grid);
  Fnv picture;
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      const plat::ColorRef c = pixels.Pixel(x, y);
      for (int shift = 0; shift < 24; shift += 8) picture.Add(c >> shift);
    }
  }
  benchmark::AddCustomContext("grid pixels", picture.Hex() + " (" + std::to_string(pixels.width()) + " x " +
                                                 std::to_string(pixels.height()) + ")");
}

}  // namespace

int main(int argc, char** argv) {
  const bench::RuntimeFolder runtime;  // goes after the application object, with what it made there
  plat::Application app(argc, argv);
  AddWhatThePaintDraws();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
