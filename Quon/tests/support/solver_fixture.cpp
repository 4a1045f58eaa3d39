#include "Quon/tests/support/solver_fixture.h"

#include "Quon/input/setup_run.h"
#include "Quon/results/load_case_results.h"
#include "Quon/run/compute_load_case.h"
#include "Quon/solution/solve_load_case.h"
#include "Quon/tests/support/stiffness_fixture.h"
#include "loads/integration/line_load_integration.h"
#include "platform/testing/testing.h"

namespace zedir::testing {

FrameBuilder Cantilever() {
  FrameBuilder f;
  f.AddNode(0, 0, 1, 1, 1);
  f.AddNode(6, 0);
  f.AddElement(1, 2);
  return f;
}

FrameBuilder SimpleBeam() {
  FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(6, 0, 0, 1);
  f.AddElement(1, 2);
  return f;
}

FrameBuilder TwoSpans() {
  FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(6, 0, 0, 1);
  f.AddNode(12, 0, 0, 1);
  f.AddElement(1, 2);
  f.AddElement(2, 3);
  return f;
}

FrameBuilder HeldBar() {
  FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(6, 0, 1, 1);
  f.AddElement(1, 2);
  return f;
}

FrameBuilder FixedBeam() {
  FrameBuilder f;
  f.AddNode(0, 0, 1, 1, 1);
  f.AddNode(6, 0, 1, 1, 1);
  f.AddElement(1, 2);
  return f;
}

SolverFixture::SolverFixture(const FrameBuilder& frame) : pos(plat::testing::TestFolder()), model(frame.Build()) {
  pos.WriteModel(model);
  inverse = WriteMatrixFiles(pos.position(), model);
}

common::Result SolverFixture::Setup(const LoadCaseFiles& files, int load_case) {
  pos.WriteJob({load_case});
  pos.WriteLoadCase(load_case, files);
  run = zedir::Run();
  return SetupRun(run, pos.settings(), notifier);
}

common::Result SolverFixture::Solve(const LoadCaseFiles& files, int load_case) {
  if (common::Result failed = Setup(files, load_case); !failed) return failed;
  return SolveLoadCase(run);
}

common::Result SolverFixture::SolveWithResults(const LoadCaseFiles& files, int load_case) {
  if (common::Result failed = Solve(files, load_case); !failed) return failed;
  return ComputeLoadCaseResults(run);
}

common::Result SolverFixture::ComputePass(const LoadCaseFiles& files, int load_case) {
  if (common::Result failed = Setup(files, load_case); !failed) return failed;
  return ComputeLoadCase(run, notifier);
}

std::string SolverFixture::FolderText(const std::string& name) const {
  return FileText(pos.position().FolderFile(name));
}

std::vector<float> SolverFixture::Curve(char letter, int element, int load_case) const {
  return FileFloats(pos.position().folder() + letter + common::CurrentLoadCaseText(load_case) + "E" +
                    std::to_string(element) + pos.position().ext());
}

std::vector<float> SolverFixture::Reactions(int load_case) const {
  return FileFloats(pos.LoadCaseFile("KLAGER", load_case));
}

std::vector<double> SolverFixture::Rhsg(int load_case) const {
  return FileDoubles(pos.position().folder() + "RHSG" + common::CurrentLoadCaseText(load_case));
}

std::vector<double> SolverFixture::Ut8(int load_case) const { return FileDoubles(pos.LoadCaseFile("UT8", load_case)); }

common::LineLoadRecord LineLoad(int element, int start_node, int end_node, std::vector<float> global_forces) {
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(element));
  load.set_start_node(static_cast<std::int16_t>(start_node));
  load.set_end_node(static_cast<std::int16_t>(end_node));
  for (int k = 1; k <= 6; ++k) load.set_global_force(k, global_forces[static_cast<std::size_t>(k - 1)]);
  load.set_whole_element(1);
  return load;
}

common::LineLoadRecord StoredPartialLoad(const FrameModel& model, int element, char direction, float a, float b,
                                         float xa, float xb) {
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(element));
  load.set_direction(direction);
  load.set_value_a(a);
  load.set_value_b(b);
  load.set_xa(xa);
  load.set_xb(xb);
  pundf::IntegrateLineLoad(load, model.elements[element], model.nodes);
  return load;
}

common::LineLoadRecord StoredLineLoad(const FrameModel& model, int element, char direction, float a, float b) {
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(element));
  load.set_direction(direction);
  load.set_value_a(a);
  load.set_value_b(b);
  load.set_whole_element(1);
  pundf::IntegrateLineLoad(load, model.elements[element], model.nodes);
  return load;
}

common::PointLoadRecord NodeLoad(int node, float fx, float fy) {
  common::PointLoadRecord load;
  load.set_placement(common::PointLoadRecord::kAtNode);
  load.set_node(static_cast<std::int16_t>(node));
  load.set_force_x(fx);
  load.set_force_y(fy);
  return load;
}

void WriteNodeForceLoadCases(const TestPosition& pos, const std::vector<int>& load_cases) {
  for (int lc : load_cases) {
    LoadCaseFiles files;
    files.point_loads.Append(NodeLoad(2, 0.0f, static_cast<float>(lc)));
    pos.WriteLoadCase(lc, files);
  }
}

common::PointLoadRecord ElementLoad(int element, std::uint8_t kind, float distance) {
  common::PointLoadRecord load;
  load.set_placement(common::PointLoadRecord::kOnElement);
  load.set_element(static_cast<std::int16_t>(element));
  load.set_kind(kind);
  load.set_distance(distance);
  return load;
}

common::PointLoadRecord ForceAcross(int element, float a, float p) {
  common::PointLoadRecord load = ElementLoad(element, common::PointLoadRecord::kForce, a);
  load.set_direction('N');
  load.set_value(p);
  load.set_force_y(p);
  load.set_force_normal(p);
  return load;
}

}  // namespace zedir::testing
