#pragma once
// A solved test position: a frame with its INVERSE, a job of one load case, and
// one pass of the solver over it.
#include <string>
#include <vector>

#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "Quon/tests/support/frame_builder.h"
#include "Quon/tests/support/test_position.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"

namespace zedir::testing {

// Span 6 along x, fixture section, supports of value 1 (near rigid, S = 3e10).
FrameBuilder Cantilever();    // node 1 clamped, node 2 free: equations 4, 5, 6 at the tip
FrameBuilder SimpleBeam();    // node 1 pinned, node 2 on a roller: rotations 3 and 6
FrameBuilder TwoSpans();      // nodes at 0, 6, 12: middle v is equation 5
FrameBuilder HeldBar();       // both ends pinned: u at equations 1 and 4
FrameBuilder FixedBeam();     // both ends clamped: rotations 3 and 6

class SolverFixture {
 public:
  explicit SolverFixture(const FrameBuilder& frame);

  // Writes the load case, makes a pass over it with a new run and solves it.
  common::Result Solve(const LoadCaseFiles& files, int load_case = 1);

  // Solve, then the reactions, curves and energies of the load case.
  common::Result SolveWithResults(const LoadCaseFiles& files, int load_case = 1);

  // Writes the load case and makes a whole pass over it: input, solution, results with their
  // pages, influence values.
  common::Result ComputePass(const LoadCaseFiles& files, int load_case = 1);

  std::vector<double> Rhsg(int load_case = 1) const;
  std::vector<double> Ut8(int load_case = 1) const;
  // The 51 values of a curve file ('U', 'W', 'M', 'V', 'N') of an element.
  std::vector<float> Curve(char letter, int element, int load_case = 1) const;
  // KLAGER: entry d - 1 for equation d.
  std::vector<float> Reactions(int load_case = 1) const;
  // A file of the position folder as its bytes in a string (empty when missing).
  std::string FolderText(const std::string& name) const;

  // Writes the load case and a job of it and reads the input of a pass with a new run.
  common::Result Setup(const LoadCaseFiles& files, int load_case = 1);

  TestPosition pos;
  FrameModel model;
  mechanics::Matrix inverse;
  zedir::Run run;
  RunNotifier notifier;
};

// A line load as the load editor stores it: the element, its end nodes and the
// equivalent nodal forces in global axes.
common::LineLoadRecord LineLoad(int element, int start_node, int end_node, std::vector<float> global_forces);
// A line load as the load input stores it: the value a at the start and b at the end of the
// stretch [xa, xb] in the direction 'X', 'Y', 'N' or 'T', integrated for the element.
common::LineLoadRecord StoredLineLoad(const FrameModel& model, int element, char direction, float a, float b);
common::LineLoadRecord StoredPartialLoad(const FrameModel& model, int element, char direction, float a, float b,
                                         float xa, float xb);
common::PointLoadRecord NodeLoad(int node, float fx, float fy);
// Load cases of a job, each a force at node 2 along y as large as its number (kN).
void WriteNodeForceLoadCases(const TestPosition& pos, const std::vector<int>& load_cases);
common::PointLoadRecord ElementLoad(int element, std::uint8_t kind, float distance);
// A force p across element e at distance a from its start (downward on a beam along x).
common::PointLoadRecord ForceAcross(int element, float a, float p);

}  // namespace zedir::testing
