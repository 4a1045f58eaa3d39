#include "Quon/elements/element_data.h"

#include <gtest/gtest.h>

#include "Quon/tests/support/solver_fixture.h"

namespace zedir {
namespace {

using testing::LoadCaseFiles;
using testing::NodeLoad;
using testing::SolverFixture;

TEST(ElementData, ElementAlongXTakesUAsAxialAndVAsTransverse) {
  SolverFixture solver(testing::Cantilever());
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 5, 10));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const ElementData d = GatherElementData(solver.run, 1);
  EXPECT_EQ(d.length, 6.0);
  EXPECT_EQ(d.node_a, 1);
  EXPECT_EQ(d.node_b, 2);
  EXPECT_EQ(d.dof_ub, 4);
  EXPECT_EQ(d.dof_vb, 5);
  EXPECT_EQ(d.dof_rotation_b, 6);
  EXPECT_EQ(d.axial_b, d.ub);
  EXPECT_EQ(d.transverse_b, d.vb);
  EXPECT_EQ(d.transverse_b_stored, d.vb);
  EXPECT_NEAR(d.axial_b, 5 * 6 / 2.4e6, 1.25e-5 * 1e-4);
  EXPECT_NEAR(d.transverse_b, 0.0225, 0.0225 * 1e-6);
  EXPECT_NEAR(d.rotation_b, -0.005625, 0.005625 * 1e-6);
  EXPECT_NEAR(d.ei, 32000.0, 0.01);
  EXPECT_NEAR(d.ea, 2.4e6, 1.0);
}

TEST(ElementData, InclinedElementAxes) {
  testing::FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1, 1);
  frame.AddNode(3, 4);
  frame.AddElement(1, 2);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 6, 8));  // along the element: pure axial
  ASSERT_TRUE(solver.Solve(lc).ok());
  const ElementData d = GatherElementData(solver.run, 1);
  EXPECT_NEAR(d.c, 0.6, 1e-7);
  EXPECT_NEAR(d.s, 0.8, 1e-7);
  EXPECT_NEAR(d.axial_b, 10 * 5 / 2.4e6, 2.1e-5 * 1e-4);
  EXPECT_NEAR(d.transverse_b, 0.0, 1e-9);
  EXPECT_NEAR(d.transverse_b_stored, 0.0, 1e-9);
}

// The element forces K_e u_e of the solved frame balance the load at the free node.
TEST(ElementData, ElementStiffnessBalancesTheSolvedLoads) {
  testing::FrameBuilder frame;  // an L: column 1-2, beam 2-3 clamped at 3
  frame.AddNode(0, 0, 1, 1, 1);
  frame.AddNode(0, 4);
  frame.AddNode(5, 4, 1, 1, 1);
  frame.AddElement(1, 2);
  frame.AddElement(2, 3);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 7, -3));
  ASSERT_TRUE(solver.Solve(lc).ok());
  std::vector<double> sum(10, 0.0);
  for (int e = 1; e <= 2; ++e) {
    const mechanics::ElementMatrix k = ElementStiffnessOf(solver.run, e);
    const std::array<int, 6> eq = ElementEquations(solver.run, e);
    for (int r = 1; r <= 6; ++r) {
      for (int c = 1; c <= 6; ++c) sum[eq[r - 1]] += k(r, c) * solver.run.displacements[eq[c - 1]];
    }
  }
  EXPECT_NEAR(sum[4], 7.0, 1e-6);
  EXPECT_NEAR(sum[5], -3.0, 1e-6);
  EXPECT_NEAR(sum[6], 0.0, 1e-6);
}

TEST(ElementData, ClampedBeamTableOfAnElement) {
  SolverFixture solver(testing::Cantilever());
  ASSERT_TRUE(solver.Solve({}).ok());
  const mechanics::SampleTable g = ClampedBeamTableOf(solver.run, 1);
  EXPECT_NEAR(g(26, 26), 216.0 / (192.0 * 3e7 * 0.0010666667), 1e-9);
}

}  // namespace
}  // namespace zedir
