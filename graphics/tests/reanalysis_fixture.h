#pragma once
// A load case solved by the solver and read by the viewer, for the reanalysis tests; and the
// dense solutions of the modified frames to check the reanalysis against.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "common/result.h"
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
// Two storeys of 3 m, one bay of 6 m, clamped feet: columns 1, 2 and 4, 5, beams 3 and 6 (the top).
zedir::testing::FrameBuilder TwoStoreys();
// A portal of 4 by 3 pinned at its feet (nodes 1, 2), its columns (1, 2) hinged at their heads
// (nodes 3, 4) under beam 3, braced by diagonal 4 from node 1 to node 4 and, with two braces, by
// diagonal 5 from node 2 to node 3: without its diagonals it sways freely.
zedir::testing::FrameBuilder BracedPortal(bool hinged_braces, int braces);
// A force fx along x at node 3, the top-left corner of the portals.
zedir::testing::LoadCaseFiles PushAtTheTop(float fx = 10.0f);

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

// A run of IterateModifiedStiffness that gives no result: its failure, checked to leave the
// displacements and element records as before and nothing written.
common::Result FailedRun(SolvedViewer& v, int step);

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
// The largest difference of values 1..n, relative to the largest magnitude of the reference.
double RelativeError(const std::vector<double>& u, const std::vector<double>& reference, int n);

// A frame assembled from scratch for the dense solutions: elements of the fixture's section
// (mechanics::ElementStiffness) at equations of the test's choice, support springs and loads.
class DenseFrame {
 public:
  explicit DenseFrame(int equations);
  // An element from (xa, ya) to (xb, yb), y upward, its stiffness times k, at its six equations
  // (u, v, rotation at the start, then at the end).
  void AddElement(double xa, double ya, double xb, double yb, const std::array<int, 6>& dofs, double k = 1.0);
  // The element of a record with its own equations.
  void AddElement(const common::ElementRecord& element, double k = 1.0);
  void AddSpring(int dof, double stiffness);
  void AddLoad(int dof, double value);
  // Forces at six equations (an element's equivalent nodal forces).
  void AddLoads(const std::array<int, 6>& dofs, const std::array<double, 6>& values);
  // u (n + 1 slots) of K u = f.
  std::vector<double> Solve() const;

 private:
  mechanics::Matrix k_;
  std::vector<double> f_;
};

// The stored frame of a model with each element's stiffness times its factor (1 unless listed,
// 0 leaves it out), its supports as the solver takes them, and the loads f (n + 1 slots);
// `extra` equations beyond the model's n for the test to add.
DenseFrame ModifiedFrame(const zedir::testing::FrameModel& model, const std::vector<ScaledElement>& elements,
                         const std::vector<double>& f, int extra = 0);

}  // namespace revuzavi::testing
