// The element plot window's full redraw: DrawElementPlot of a moment curve (51 values, both axes
// with their 22 labels and ticks) on a 1000 x 700 bitmap through the painter. The target is under
// 2 ms.
#include <benchmark/benchmark.h>

#include <cmath>

#include "graphics/plot/element_plot_drawing.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

void BM_ElementPlot(benchmark::State& bm) {
  revuzavi::ElementPlot plot;
  plot.has_values = true;
  plot.length = 6.0;
  for (std::size_t i = 0; i < plot.values.size(); ++i) {
    const double x = 0.12 * static_cast<double>(i);
    plot.values[i] = 20.0 * x - 4.8 * x * x;  // a span's moments under a line load
  }
  revuzavi::ElementPlotOptions options;
  options.area = plat::Rect{kWidth / 20, kHeight / 20, kWidth - kWidth / 20, kHeight - kHeight / 20};
  plat::Bitmap bitmap(kWidth, kHeight);
  for (auto _ : bm) {
    plat::PainterDc dc(bitmap);
    revuzavi::DrawElementPlot(plot, options, dc);
  }
}
BENCHMARK(BM_ElementPlot)->Unit(benchmark::kMillisecond);

}  // namespace
