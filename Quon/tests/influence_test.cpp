#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Quon/influence/green_functions.h"
#include "Quon/influence/moment_influence.h"
#include "Quon/influence/normal_force_influence.h"
#include "Quon/tests/support/solver_fixture.h"

namespace zedir {
namespace {

using testing::DoubleAt;
using testing::FloatAt;
using testing::FrameBuilder;
using testing::LoadCaseFiles;
using testing::SolverFixture;

constexpr double kL = 6.0;
constexpr double kEI = 32000.0;

TEST(GreenFunctions, SimplySupportedBeamAtItsRollerNode) {
  SolverFixture solver(testing::SimpleBeam());
  ASSERT_TRUE(solver.ComputePass(LoadCaseFiles{}).ok());
  const std::vector<std::byte> g = testing::FileBytes(solver.pos.LoadCaseFile("NODDISPGFELM", 1));
  ASSERT_EQ(g.size(), 96u);
  for (std::size_t block = 0; block < 6; ++block) EXPECT_EQ(FloatAt(g, 16 * block), 0.0f) << "reserved";
  // Only node 2 counts (node 1 is held in x). Block 6, the kink: the end rotation 1/2.
  EXPECT_NEAR(FloatAt(g, 92), 0.5, 1e-5);
  EXPECT_NEAR(FloatAt(g, 88), 0.0, 1e-9);
  EXPECT_NEAR(FloatAt(g, 84), 0.0, 1e-9);
  // Block 5, the transverse dislocation: 1/l.
  EXPECT_NEAR(FloatAt(g, 76), 1.0 / kL, 1e-5);
  // Block 2, the unit force at midspan: the end rotation l^2 / (16 EI).
  EXPECT_NEAR(FloatAt(g, 28), kL * kL / (16.0 * kEI), 1e-9);
  // Block 1, the axial force at midspan: half of it reaches the roller, 0.5 l / EA.
  EXPECT_NEAR(FloatAt(g, 4), 0.5 * kL / (32000.0 / 0.0010666667 * 0.08), 1e-10);
  // Block 4, the axial dislocation: the roller moves by 1.
  EXPECT_NEAR(FloatAt(g, 52), 1.0, 1e-4);
}

TEST(GreenFunctions, FrameHeldHorizontallyAtEveryNodeGivesZeros) {
  SolverFixture solver(testing::HeldBar());
  ASSERT_TRUE(solver.ComputePass(LoadCaseFiles{}).ok());
  const std::vector<std::byte> g = testing::FileBytes(solver.pos.LoadCaseFile("NODDISPGFELM", 1));
  ASSERT_EQ(g.size(), 96u);
  for (std::size_t offset = 0; offset < 96; offset += 4) EXPECT_EQ(FloatAt(g, offset), 0.0f) << offset;
}

// The six blocks of each of the first `elements` elements in the file's bytes hold the element's
// sums (h, v, r after 4 reserved bytes each).
void ExpectBlocksOfTheElements(const std::vector<std::byte>& g, const Run& run, int elements) {
  for (int e = 1; e <= elements; ++e) {
    SCOPED_TRACE(e);
    const auto sums = GreenSumsOf(run, e);
    for (std::size_t k = 0; k < 6; ++k) {
      const std::size_t at = 96 * static_cast<std::size_t>(e - 1) + 16 * k;
      EXPECT_EQ(FloatAt(g, at + 4), sums[k].h);
      EXPECT_EQ(FloatAt(g, at + 8), sums[k].v);
      EXPECT_EQ(FloatAt(g, at + 12), sums[k].r);
    }
  }
}

TEST(GreenFunctions, EveryElementHasItsSixBlocks) {
  SolverFixture solver(testing::TwoSpans());
  ASSERT_TRUE(solver.ComputePass(LoadCaseFiles{}).ok());
  const std::vector<std::byte> g = testing::FileBytes(solver.pos.LoadCaseFile("NODDISPGFELM", 1));
  ASSERT_EQ(g.size(), 192u);
  ExpectBlocksOfTheElements(g, solver.run, 2);
  // The kink in span 2 turns both rollers.
  EXPECT_NE(FloatAt(g, 96 + 92), 0.0f);
}

// A pass over the model of the pass before takes its blocks; one over another model (here
// another K^-1) computes them anew.
TEST(GreenFunctions, APassOverAnotherModelComputesThemAnew) {
  SolverFixture solver(testing::TwoSpans());
  ASSERT_TRUE(solver.ComputePass(LoadCaseFiles{}).ok());
  const std::string path = solver.pos.LoadCaseFile("NODDISPGFELM", 1);
  const std::vector<std::byte> first = testing::FileBytes(path);
  ASSERT_TRUE(NodalDisplacementGreenFunctions(solver.run).ok());
  EXPECT_EQ(testing::FileBytes(path), first);
  const int n = solver.run.inverse.size();
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) solver.run.inverse(i, j) *= 3.0;
  }
  ASSERT_TRUE(NodalDisplacementGreenFunctions(solver.run).ok());
  const std::vector<std::byte> again = testing::FileBytes(path);
  ASSERT_EQ(again.size(), first.size());
  EXPECT_NE(again, first);
  ExpectBlocksOfTheElements(again, solver.run, 2);
}

// fplus of a statically determinate bar is its normal force.
TEST(NormalForceInfluence, AlongTheElementsOwnDirection) {
  struct Case {
    const char* name;
    FrameBuilder frame;
    float fx, fy;
    const char* trace;
  };
  FrameBuilder column;
  column.AddNode(0, 0, 1, 1, 1);
  column.AddNode(0, 4);
  column.AddElement(1, 2);
  const Case cases[] = {
      {"horizontal beam", testing::SimpleBeam(), 10.0f, 0.0f, "Horizontal dofR = 4  dofL = 1  flexR = "},
      {"vertical column", column, 0.0f, -10.0f, "Vertical dofR = 5  dofL = 2  flexR = "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SolverFixture solver(c.frame);
    LoadCaseFiles lc;
    lc.point_loads.Append(testing::NodeLoad(2, c.fx, c.fy));
    ASSERT_TRUE(solver.ComputePass(lc).ok());
    const std::vector<std::byte> flexn = testing::FileBytes(solver.pos.LoadCaseFile("FLEXN", 1));
    ASSERT_EQ(flexn.size(), 8u);
    const double n = solver.run.element_results[1].n(26);
    EXPECT_NEAR(std::fabs(n), 10.0, 1e-3);
    EXPECT_NEAR(DoubleAt(flexn, 0), n, 1e-3);
    const std::string trace = solver.FolderText("AFPLUSN01.TXT");
    EXPECT_NE(trace.find(c.trace), std::string::npos) << trace;
    EXPECT_NE(trace.find("Element  1 fplus = "), std::string::npos) << trace;
  }
}

TEST(MomentInfluence, SimplySupportedBeamTakesTheClampingMoments) {
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::ForceAcross(1, 2.0f, 20.0f));
  ASSERT_TRUE(solver.ComputePass(lc).ok());
  const double phi_a = solver.run.displacements[3], phi_b = solver.run.displacements[6];
  ASSERT_GT(std::fabs(phi_a + phi_b), 1e-5);  // not symmetric
  const std::vector<std::byte> flexm = testing::FileBytes(solver.pos.LoadCaseFile("FLEXM", 1));
  ASSERT_EQ(flexm.size(), 16u);
  // F = [2l/3EI, -l/3EI; -l/3EI, 2l/3EI] from the frame and the element: X = EI/l (2 phiA + phiB, phiA + 2 phiB).
  const double x1 = kEI / kL * (2 * phi_a + phi_b), x2 = kEI / kL * (phi_a + 2 * phi_b);
  EXPECT_NEAR(DoubleAt(flexm, 0), x1, 1e-3 * std::fabs(x1));
  EXPECT_NEAR(DoubleAt(flexm, 8), x2, 1e-3 * std::fabs(x2));
  EXPECT_NE(solver.FolderText("AFPLUSM01.TXT").find("Elm  1 A = 1 dofs 1, 2, 3, B = 2 dofs 4, 5, 6 rotA = "),
            std::string::npos);
}

TEST(MomentInfluence, SingularSystemGivesNoEndMoments) {
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::ForceAcross(1, 2.0f, 20.0f));
  ASSERT_TRUE(solver.Solve(lc).ok());
  // Rotation flexibilities so large that the element's own vanish beside them: F11 = F12 = F22.
  solver.run.inverse.SetZero();
  for (int i : {3, 6}) {
    for (int j : {3, 6}) solver.run.inverse(i, j) = 1048576.0;
  }
  const EndMomentTerms terms = EndMomentTermsOf(solver.run, 1);
  ASSERT_EQ(terms.det, 0.0f);
  EXPECT_EQ(terms.x1, 0.0f);
  EXPECT_EQ(terms.x2, 0.0f);
  ASSERT_TRUE(MomentInfluence(solver.run));
  const std::vector<std::byte> flexm = testing::FileBytes(solver.pos.LoadCaseFile("FLEXM", 1));
  ASSERT_EQ(flexm.size(), 16u);
  EXPECT_EQ(DoubleAt(flexm, 0), 0.0);
  EXPECT_EQ(DoubleAt(flexm, 8), 0.0);
  EXPECT_NE(solver.FolderText("AFPLUSM01.TXT").find("Element  1 M1 = 0.00E+00  M2 = 0.00E+00"), std::string::npos);
}

TEST(MomentInfluence, HingedEndTurnsWithItsOwnRotation) {
  // Span 1 hinged at node 2: its end rotation is equation 6, node 2's shared rotation 7.
  FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1);
  frame.AddNode(6, 0, 0, 1);
  frame.AddNode(12, 0, 0, 1);
  frame.AddElement(1, 2, false, true);
  frame.AddElement(2, 3);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::ForceAcross(1, 3.0f, 20.0f));
  ASSERT_TRUE(solver.ComputePass(lc).ok());
  ASSERT_EQ(solver.run.elements[1].dof(6), 6);
  const double own = solver.run.displacements[6], shared = solver.run.displacements[7];
  ASSERT_GT(std::fabs(own - shared), 1e-4);
  EXPECT_EQ(EndMomentTermsOf(solver.run, 1).phi_b, static_cast<float>(own));
  EXPECT_EQ(EndMomentTermsOf(solver.run, 2).phi_a, static_cast<float>(shared));
  EXPECT_NE(solver.FolderText("AFPLUSM01.TXT").find("Elm  1 A = 1 dofs 1, 2, 3, B = 2 dofs 4, 5, 7 rotA = "),
            std::string::npos);
}

}  // namespace
}  // namespace zedir
