// The viewer's picture window on the largest frame (100 clamped columns, every kind of load, load
// case 1 computed in process), its client 1000 x 700, the moment picture shown: a full redraw of
// the window, and one wheel notch (the moment scale, MEMSCALEGLF1 written, the redraw). The target
// is under 16 ms for each.
#include <benchmark/benchmark.h>

#include "bench/column_frame_loads.h"
#include "bench/viewer_position.h"
#include "common/position/file_names.h"
#include "common/records/load_case_diary.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "platform/binary_io.h"
#include "platform/frames/frame_wnd.h"
#include "platform/testing/window_testing.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

const bench::SolvedColumns& Folder() {
  static const bench::SolvedColumns position("picture-view-bench", [](const zedir::testing::FrameModel& model) {
    return bench::EveryKindOfLoad(model, 1);
  }, true);
  return position;
}

// The viewer open on load case 1 with the moment picture in a 1000 x 700 client.
class OpenMoments {
 public:
  OpenMoments() : settings_("picture-view-settings") {
    const common::Position& position = Folder().state().position;
    if (!app_.Open(position.ext() + " @" + position.data_path() + " @1") || app_.picture_view() == nullptr) return;
    revuzavi::CGRAPHView& view = *app_.picture_view();
    plat::FrameWnd* frame = view.GetParentFrame();
    plat::Rect outer, client;
    frame->GetWindowRect(&outer);
    view.GetClientRect(&client);
    frame->MoveWindow(0, 0, outer.Width() + kWidth - client.Width(), outer.Height() + kHeight - client.Height());
    plat::testing::PressKey(view, 'M');
    plat::testing::PumpMessages();
    view.UpdateWindow();
    ok_ = app_.session().request.moments;
  }
  ~OpenMoments() {
    app_.ExitInstance();
    plat::testing::PumpMessages();
  }
  bool ok() const { return ok_; }
  revuzavi::CGRAPHView& view() { return *app_.picture_view(); }

 private:
  bench::SettingsFolder settings_;  // outlives the viewer, which writes its settings at its end
  plat::testing::QuitCatcher quit_;
  revuzavi::CGRAPHApp app_;
  bool ok_ = false;
};

void BM_MomentPictureRedraw(benchmark::State& bm) {
  if (!Folder().ok()) bm.SkipWithError("the position could not be made");
  OpenMoments open;
  if (!open.ok()) bm.SkipWithError("the viewer did not show the moments");
  for (auto _ : bm) {
    open.view().Invalidate();
    open.view().UpdateWindow();
  }
}
BENCHMARK(BM_MomentPictureRedraw)->Unit(benchmark::kMillisecond);

void BM_WheelNotch(benchmark::State& bm) {
  if (!Folder().ok()) bm.SkipWithError("the position could not be made");
  OpenMoments open;
  if (!open.ok()) bm.SkipWithError("the viewer did not show the moments");
  int delta = 120;
  for (auto _ : bm) {
    plat::testing::Wheel(open.view(), delta);
    open.view().UpdateWindow();
    delta = -delta;  // up and down in turn: the scale stays where it was
  }
}
BENCHMARK(BM_WheelNotch)->Unit(benchmark::kMillisecond);

}  // namespace
