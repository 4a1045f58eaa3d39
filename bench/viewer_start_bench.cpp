// The results viewer's start on the largest frame (100 clamped columns, every kind of load, load
// case 1 computed in process): the command line, the start-up data, the main window and the
// picture window painted once. The target is under 0.3 s.
#include <benchmark/benchmark.h>

#include "bench/column_frame_loads.h"
#include "bench/viewer_position.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "platform/testing/window_testing.h"

namespace {

const bench::SolvedColumns& Folder() {
  static const bench::SolvedColumns position("viewer-start-bench", [](const zedir::testing::FrameModel& model) {
    return bench::EveryKindOfLoad(model, 1);
  }, true);
  return position;
}

void BM_StartToFirstPicture(benchmark::State& bm) {
  if (!Folder().ok()) bm.SkipWithError("the position could not be made");
  const common::Position& position = Folder().state().position;
  const std::string line = position.ext() + " @" + position.data_path() + " @1";
  // The viewer's settings files go to a scratch folder, not to the user's.
  const bench::SettingsFolder settings("viewer-start-settings");
  for (auto _ : bm) {
    plat::testing::QuitCatcher quit;
    revuzavi::CGRAPHApp app;
    if (!app.Open(line) || app.picture_view() == nullptr) {
      bm.SkipWithError("the viewer did not start");
      break;
    }
    app.picture_view()->UpdateWindow();
    const revuzavi::WorldBox& drawn = app.session().request.world;
    if (drawn.x1 == drawn.x2) {
      bm.SkipWithError("the picture was not painted");
      break;
    }
    bm.PauseTiming();
    app.ExitInstance();
    plat::testing::PumpMessages();
    bm.ResumeTiming();
  }
}
BENCHMARK(BM_StartToFirstPicture)->Unit(benchmark::kMillisecond);

}  // namespace
