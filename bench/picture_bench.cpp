// A full redraw of a result picture of the viewer on the largest frame (100 clamped columns, every
// kind of load, load case 1 computed in process): DrawPicture on a 1000 x 700 bitmap through the
// painter, the curve files written. The target is under 16 ms for the moment picture and for the
// deflected shape.
#include <benchmark/benchmark.h>

#include "bench/column_frame_loads.h"
#include "bench/viewer_position.h"
#include "graphics/compose/draw_picture.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

// Load case 1 computed by the solver with all its files.
const bench::SolvedColumns& Folder() {
  static const bench::SolvedColumns position("picture-bench", [](const zedir::testing::FrameModel& model) {
    return bench::EveryKindOfLoad(model, 1);
  }, true);
  return position;
}

void Redraw(benchmark::State& bm, revuzavi::PictureRequest request) {
  if (!Folder().ok()) bm.SkipWithError("the position could not be made");
  revuzavi::ViewerState state = Folder().state();
  revuzavi::ViewState view;
  revuzavi::PictureState picture;
  revuzavi::PictureMemory memory;
  request.client_width = kWidth;
  request.client_height = kHeight;
  plat::Bitmap bitmap(kWidth, kHeight);
  for (auto _ : bm) {
    plat::PainterDc dc(bitmap);
    picture.labels.Clear();
    revuzavi::DrawPicture(state, view, picture, memory, request, dc);
  }
}

void BM_MomentPicture(benchmark::State& bm) {
  revuzavi::PictureRequest request;
  request.moments = true;
  Redraw(bm, request);
}
BENCHMARK(BM_MomentPicture)->Unit(benchmark::kMillisecond);

void BM_DeflectedShape(benchmark::State& bm) {
  revuzavi::PictureRequest request;
  request.deflection = true;
  Redraw(bm, request);
}
BENCHMARK(BM_DeflectedShape)->Unit(benchmark::kMillisecond);

}  // namespace
