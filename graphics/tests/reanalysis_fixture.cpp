#include "graphics/tests/reanalysis_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "Quon/tests/support/stiffness_fixture.h"
#include "graphics/fem/element_matrices.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/scales.h"
#include "mechanics/factored_system.h"
#include "platform/binary_io.h"

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

double Largest(const std::vector<double>& u, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(u[static_cast<std::size_t>(i)]));
  return largest;
}

}  // namespace revuzavi::testing
