#pragma once
// A position for the viewer's tests: the two-span beam of the solver's tests
// written to the test's folder, with helpers for diaries and result files.
#include <string>
#include <vector>

#include "Quon/tests/support/frame_builder.h"
#include "Quon/tests/support/test_position.h"
#include "graphics/startup/startup_data.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi::testing {

// Nodes at x = 0, 6, 12 (equations 1-3, 4-6, 7-9); node 1 pinned, nodes 2 and 3 on rollers.
zedir::testing::FrameModel TwoSpanBeam();

class ViewerPosition {
 public:
  ViewerPosition();

  StartupRequest Request(int start_load_case = 0) const;
  // DIARY with these load cases in this order.
  void WriteDiary(const std::vector<int>& load_cases) const;
  // 1001 doubles of UT8 for the load case, all `value` from equation 1 on.
  void WriteDisplacements(int load_case, double value) const;
  // n doubles of RHSG for the load case, all `value`.
  void WriteLoadVector(int load_case, double value) const;

  zedir::testing::TestPosition pos;
  zedir::testing::FrameModel model;
};

// A state on the position with its model read (a failure is a test failure).
ViewerState ModelRead(const ViewerPosition& p);

}  // namespace revuzavi::testing
