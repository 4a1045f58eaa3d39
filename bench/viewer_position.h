#pragma once
// The viewer's state of load case 1 of a benchmark position solved in a scratch folder.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "Quon/input/setup_run.h"
#include "common/position/file_names.h"
#include "common/records/drawing_extents.h"
#include "common/records/load_case_diary.h"
#include "common/records/record_files.h"
#include "Quon/run/compute_load_case.h"
#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "Quon/solution/solve_load_case.h"
#include "Quon/tests/support/stiffness_fixture.h"
#include "bench/column_frame.h"
#include "bench/scratch_folder.h"

#include "Quon/tests/support/test_position.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/state/viewer_state.h"

namespace bench {

// The frame's drawing box, as the geometry input stores it on Store: without it the viewer
// would draw in the default 50 x 30 m box, the larger frame mostly outside the window.
inline bool WriteElementExtents(const zedir::testing::TestPosition& pos, const zedir::testing::FrameModel& model) {
  float x1 = 1e20f, z1 = 1e20f, x2 = -1e20f, z2 = -1e20f;
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    x1 = std::min({x1, element.xa(), element.xb()});
    x2 = std::max({x2, element.xa(), element.xb()});
    z1 = std::min({z1, element.za(), element.zb()});
    z2 = std::max({z2, element.za(), element.zb()});
  }
  return common::WriteBlockRecord(pos.position().File(common::file_names::kExtents),
                                  common::DrawingExtents::Box(x1, z1, x2, z2));
}

// The load-case diary with load case 1, so that the viewer opens on it.
inline bool WriteDiaryOfLoadCase1(const zedir::testing::TestPosition& pos) {
  common::LoadCaseDiary diary;
  diary.set_count(1);
  diary.set_load_case(1, 1);
  return common::WriteBlockRecord(pos.position().File(common::file_names::kDiary), diary);
}

// The model, load case 1 and its displacements read into `state` as the viewer reads them.
inline bool ReadViewerLoadCase1(const zedir::testing::TestPosition& pos, revuzavi::ViewerState& state) {
  state.position = pos.position();
  state.settings = pos.settings();
  if (!revuzavi::ReadModelFiles(state).ok()) return false;
  state.current_load_case = 1;
  state.current_load_case_text = common::CurrentLoadCaseText(1);
  return revuzavi::ReadLoadCaseFiles(state).ok() && revuzavi::ReadDisplacementVector(state, "01").ok();
}

// The largest frame with its inverse and load case 1 of `load_case`, solved (the displacements
// alone, or with every result file of the load case), and the viewer's state of it.
class SolvedColumns {
 public:
  using LoadCaseOf = std::function<zedir::testing::LoadCaseFiles(const zedir::testing::FrameModel&)>;
  SolvedColumns(const std::string& stem, const LoadCaseOf& load_case, bool all_results) : folder_(stem) {
    zedir::testing::TestPosition pos(folder_.root());
    const zedir::testing::FrameModel model = ClampedColumns().Build();
    pos.WriteModel(model);
    ok_ = WriteElementExtents(pos, model);
    zedir::testing::WriteMatrixFiles(pos.position(), model);
    pos.WriteJob({1});
    ok_ = ok_ && WriteDiaryOfLoadCase1(pos);
    pos.WriteLoadCase(1, load_case(model));
    zedir::RunNotifier notifier;
    zedir::Run run;
    ok_ = ok_ && zedir::SetupRun(run, pos.settings(), notifier) &&
          (all_results ? zedir::ComputeLoadCase(run, notifier).ok() : zedir::SolveLoadCase(run).ok());
    ok_ = ok_ && ReadViewerLoadCase1(pos, state_);
    state_.results_present = ok_;
  }
  bool ok() const { return ok_; }
  const revuzavi::ViewerState& state() const { return state_; }

 protected:
  ScratchFolder folder_;
  bool ok_ = false;
  revuzavi::ViewerState state_;
};

}  // namespace bench
