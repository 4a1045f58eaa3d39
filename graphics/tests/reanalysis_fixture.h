#pragma once
// A load case solved by the solver and read by the viewer, for the reanalysis tests; and the
// dense solutions of the modified frames to check the reanalysis against.
#include <cstdint>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi::testing {

// Counts what a run tells the view.
struct RecordingView : ReanalysisView {
  int ended = 0;
  int redrawn = 0;
  int flags_cleared = 0;
  void OnRunEnded() override { ++ended; }
  void Redraw() override { ++redrawn; }
  void ClearPictureFlags() override { ++flags_cleared; }
};

// Pinned at both ends, rollers between, spans of 6: nodes at 0, 6, 12, 18.
zedir::testing::FrameBuilder ThreeSpans();

class SolvedViewer {
 public:
  // Solves load case 1 and reads the model, the load case, UT8 and the parameters of "Scales"
  // (the defaults, with the given k) as the viewer does.
  SolvedViewer(const zedir::testing::FrameBuilder& frame, const zedir::testing::LoadCaseFiles& files, float k = 0.0f);

  // "Scales": k, the bounds of element and node runs and their iteration limits.
  void WriteScales(float k, float element_eps = 1e-7f, float node_eps = 1e-9f, std::int32_t element_limit = 100000,
                   std::int32_t node_limit = 500000) const;
  std::string File(const std::string& base) const { return solver.pos.File(base); }
  std::string FolderFile(const std::string& name) const { return solver.pos.position().FolderFile(name); }
  int n() const { return state.equation_count(); }

  zedir::testing::SolverFixture solver;
  ViewerState state;
  ReanalysisState run;
  RecordingView view;
};

// UT8 of load case 1 (1001 values).
std::vector<double> Ut8(const SolvedViewer& v);

// Solves (K + sum (k_e - 1) K_e + sum c S e_d e_d^T) u = f densely: f the load vector given,
// K the stiffness of the stored frame.
struct ScaledElement {
  int element;
  double k;
};
struct ChangedSpring {
  int dof;
  double c;
};
std::vector<double> DenseSolution(const SolvedViewer& v, const std::vector<ScaledElement>& elements,
                                  const std::vector<ChangedSpring>& springs, const std::vector<double>& f);

// The largest magnitude of values 1..n.
double Largest(const std::vector<double>& u, int n);

}  // namespace revuzavi::testing
