#include "graphics/tests/reanalysis_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "Quon/elements/node_rotation.h"
#include "Quon/tests/support/stiffness_fixture.h"
#include "graphics/fem/element_matrices.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/scales.h"
#include "mechanics/element_stiffness.h"
#include "mechanics/factored_system.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace revuzavi::testing {

zedir::testing::FrameBuilder ThreeSpans() {
  zedir::testing::FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(6, 0, 0, 1);
  f.AddNode(12, 0, 0, 1);
  f.AddNode(18, 0, 1, 1);
  f.AddElement(1, 2);
  f.AddElement(2, 3);
  f.AddElement(3, 4);
  return f;
}

zedir::testing::FrameBuilder TwoStoreys() {
  zedir::testing::FrameBuilder f;
  f.AddNode(0, 0, 1, 1, 1);
  f.AddNode(6, 0, 1, 1, 1);
  f.AddNode(0, 3);
  f.AddNode(6, 3);
  f.AddNode(0, 6);
  f.AddNode(6, 6);
  f.AddElement(1, 3);
  f.AddElement(2, 4);
  f.AddElement(3, 4);
  f.AddElement(3, 5);
  f.AddElement(4, 6);
  f.AddElement(5, 6);
  return f;
}

zedir::testing::FrameBuilder BracedPortal(bool hinged_braces, int braces) {
  zedir::testing::FrameBuilder f;
  f.AddNode(0, 0, 1, 1);
  f.AddNode(4, 0, 1, 1);
  f.AddNode(0, 3);
  f.AddNode(4, 3);
  f.AddElement(1, 3, false, true);
  f.AddElement(2, 4, false, true);
  f.AddElement(3, 4);
  f.AddElement(1, 4, hinged_braces, hinged_braces);
  if (braces > 1) f.AddElement(2, 3, hinged_braces, hinged_braces);
  return f;
}

zedir::testing::LoadCaseFiles PushAtTheTop(float fx) {
  zedir::testing::LoadCaseFiles lc;
  lc.point_loads.Append(zedir::testing::NodeLoad(3, fx, 0.0f));
  return lc;
}

SolvedViewer::SolvedViewer(const zedir::testing::FrameBuilder& frame, const zedir::testing::LoadCaseFiles& files,
                           float k)
    : solver(frame) {
  const common::Result solved = solver.Solve(files);
  EXPECT_TRUE(solved.ok()) << solved.text();
  state.position = solver.pos.position();
  state.settings = solver.pos.settings();
  const common::ReadOutcome model = ReadModelFiles(state);
  EXPECT_TRUE(model.ok()) << model.message().text();
  state.current_load_case = 1;
  state.current_load_case_text = common::CurrentLoadCaseText(1);
  const common::ReadOutcome loads = ReadLoadCaseFiles(state);
  EXPECT_TRUE(loads.ok()) << loads.message().text();
  EXPECT_TRUE(ReadDisplacementVector(state, state.current_load_case_text).ok());
  WriteScales(k);
  ReadScales(state, run.scales);
}

void SolvedViewer::WriteScales(float k, float element_eps, float node_eps, std::int32_t element_limit,
                               std::int32_t node_limit) const {
  std::byte bytes[20];
  const float floats[3] = {k, element_eps, node_eps};
  const std::int32_t limits[2] = {element_limit, node_limit};
  std::memcpy(bytes, floats, sizeof floats);
  std::memcpy(bytes + 12, limits, sizeof limits);
  ASSERT_TRUE(plat::WriteBlock(FolderFile("Scales"), bytes, sizeof bytes));
}

std::vector<double> Ut8(const SolvedViewer& v) { return v.solver.Ut8(); }

std::vector<double> DenseSolution(const SolvedViewer& v, const std::vector<ScaledElement>& elements,
                                  const std::vector<ChangedSpring>& springs, const std::vector<double>& f) {
  mechanics::Matrix k = zedir::testing::StiffnessOf(v.solver.model);
  for (const ScaledElement& s : elements) {
    const mechanics::ElementMatrix ke = ElementStiffness(v.state, s.element);
    const common::ElementRecord& record = v.state.elements[s.element];
    for (int a = 1; a <= 6; ++a) {
      for (int b = 1; b <= 6; ++b) k(record.dof(a), record.dof(b)) += (s.k - 1.0) * ke(a, b);
    }
  }
  for (const ChangedSpring& s : springs) k(s.dof, s.dof) += s.c * v.state.params.support_stiffness();
  const int n = k.size();
  mechanics::Vector b(n);
  for (int i = 1; i <= n; ++i) b[i] = f[static_cast<std::size_t>(i)];
  const mechanics::FactoredSystem system(std::move(k), mechanics::PivotRule::kLargest);
  EXPECT_TRUE(system.factored());
  EXPECT_TRUE(system.SolveWithRefinement(b).solved);
  std::vector<double> u(static_cast<std::size_t>(n) + 1, 0.0);
  for (int i = 1; i <= n; ++i) u[static_cast<std::size_t>(i)] = b[i];
  return u;
}

double RelativeError(const std::vector<double>& u, const std::vector<double>& reference, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) {
    largest = std::max(largest, std::fabs(u[static_cast<std::size_t>(i)] - reference[static_cast<std::size_t>(i)]));
  }
  return largest / Largest(reference, n);
}

DenseFrame::DenseFrame(int equations) : k_(equations), f_(static_cast<std::size_t>(equations) + 1, 0.0) {}

void DenseFrame::AddElement(double xa, double ya, double xb, double yb, const std::array<int, 6>& dofs, double k) {
  const mechanics::Rigidity rigidity =
      mechanics::RigidityOf(zedir::testing::kE, zedir::testing::kA, zedir::testing::kI);
  const mechanics::ElementMatrix m = mechanics::ElementStiffness(rigidity, mechanics::DirectionOfEnds(xa, ya, xb, yb));
  for (int a = 1; a <= 6; ++a) {
    for (int b = 1; b <= 6; ++b) {
      k_(dofs[static_cast<std::size_t>(a - 1)], dofs[static_cast<std::size_t>(b - 1)]) += k * m(a, b);
    }
  }
}

void DenseFrame::AddElement(const common::ElementRecord& element, double k) {
  AddElement(element.xa(), element.ya(), element.xb(), element.yb(),
             {element.dof(1), element.dof(2), element.dof(3), element.dof(4), element.dof(5), element.dof(6)}, k);
}

void DenseFrame::AddSpring(int dof, double stiffness) { k_(dof, dof) += stiffness; }

void DenseFrame::AddLoad(int dof, double value) { f_[static_cast<std::size_t>(dof)] += value; }

void DenseFrame::AddLoads(const std::array<int, 6>& dofs, const std::array<double, 6>& values) {
  for (std::size_t a = 0; a < 6; ++a) AddLoad(dofs[a], values[a]);
}

std::vector<double> DenseFrame::Solve() const {
  const int n = k_.size();
  mechanics::Vector b(n);
  for (int i = 1; i <= n; ++i) b[i] = f_[static_cast<std::size_t>(i)];
  const mechanics::FactoredSystem system(k_, mechanics::PivotRule::kLargest);
  EXPECT_TRUE(system.factored());
  EXPECT_TRUE(system.SolveWithRefinement(b).solved);
  std::vector<double> u(static_cast<std::size_t>(n) + 1, 0.0);
  for (int i = 1; i <= n; ++i) u[static_cast<std::size_t>(i)] = b[i];
  return u;
}

DenseFrame ModifiedFrame(const zedir::testing::FrameModel& model, const std::vector<ScaledElement>& elements,
                         const std::vector<double>& f, int extra) {
  const int n = model.params.equation_count();
  DenseFrame frame(n + extra);
  for (int e = 1; e <= model.elements.count(); ++e) {
    double k = 1.0;
    for (const ScaledElement& s : elements) {
      if (s.element == e) k = s.k;
    }
    if (k != 0.0) frame.AddElement(model.elements[e], k);
  }
  const double s = model.params.support_stiffness();
  for (const common::NodeRecord& node : model.nodes.used()) {
    const int dofs[3] = {node.dof_u(), node.dof_v(), zedir::NodeRotation(node)};
    for (int d = 1; d <= 3; ++d) {
      if (node.support(d) != 0.0f && dofs[d - 1] >= 1) frame.AddSpring(dofs[d - 1], std::fabs(node.support(d)) * s);
    }
  }
  for (int i = 1; i <= n; ++i) frame.AddLoad(i, f[static_cast<std::size_t>(i)]);
  return frame;
}

// A run that gives no result: its failure, with the displacements and element records as before
// and nothing written.
common::Result FailedRun(SolvedViewer& v, int step) {
  const std::vector<double> before = v.state.displacements;
  const common::ElementTable elements = v.state.elements;
  int counter = step;
  const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, counter);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(counter, step);
  EXPECT_EQ(v.view.redrawn, 0);
  EXPECT_EQ(v.state.displacements, before);
  for (int e = 1; e <= elements.count(); ++e) EXPECT_EQ(v.state.elements[e].bytes(), elements[e].bytes()) << e;
  EXPECT_FALSE(plat::FileExists(v.File("UCT8" + std::to_string(step))));
  EXPECT_FALSE(plat::FileExists(v.FolderFile("ErrorListIteration.txt")));
  EXPECT_FALSE(plat::FileExists(v.FolderFile("ForcesFPlus")));
  return result;
}

double Largest(const std::vector<double>& u, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(u[static_cast<std::size_t>(i)]));
  return largest;
}

}  // namespace revuzavi::testing
