#include "Quon/results/support_reactions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

using testing::LoadCaseFiles;
using testing::SolverFixture;

// The support records of the two spans (x held at node 1, y at all three) with settlements.
struct Settled {
  int node;
  float du, dv;
};

common::NodeRefTable TwoSpanSupports(const std::vector<Settled>& settled) {
  common::NodeRefTable t;
  for (int node = 1; node <= 3; ++node) {
    common::NodeRefRecord r;
    r.set_node(static_cast<std::int16_t>(node));
    for (const Settled& s : settled) {
      if (s.node != node) continue;
      r.set_settlement(1, s.du);
      r.set_settlement(2, s.dv);
      r.set_settled(1);
    }
    t.Append(r);
  }
  return t;
}

std::vector<float> SolvedReactions(const LoadCaseFiles& lc) {
  SolverFixture solver(testing::TwoSpans());
  EXPECT_TRUE(solver.SolveWithResults(lc).ok());
  return solver.Reactions();
}

TEST(SupportReactions, SettledSupportKeepsItsShareOfTheLoad) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 2, 'Y', 10, 10));
  lc.settlements = TwoSpanSupports({{2, 0, 0.01f}});
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  const std::vector<float> r = solver.Reactions();
  // The uniform load's 22.5, 75, 22.5 and the settlement's 4.444, -8.889, 4.444.
  EXPECT_NEAR(r[1], 22.5 + 4.4444444, 1e-4);
  EXPECT_NEAR(r[4], 75.0 - 8.8888889, 1e-4);
  EXPECT_NEAR(r[7], 22.5 + 4.4444444, 1e-4);
}

TEST(SupportReactions, EverySettledComponentHasItsReaction) {
  // Node 1 settles in x and y, node 3 in y: the reactions are those of the three settlements one
  // by one, added.
  LoadCaseFiles all;
  all.settlements = TwoSpanSupports({{1, 0.002f, 0.01f}, {3, 0, 0.005f}});
  const std::vector<float> together = SolvedReactions(all);
  std::vector<double> sum(together.size(), 0.0);
  for (const std::vector<Settled>& one : std::vector<std::vector<Settled>>{
           {{1, 0.002f, 0}}, {{1, 0, 0.01f}}, {{3, 0, 0.005f}}}) {
    LoadCaseFiles lc;
    lc.settlements = TwoSpanSupports(one);
    const std::vector<float> r = SolvedReactions(lc);
    ASSERT_EQ(r.size(), sum.size());
    for (std::size_t d = 0; d < r.size(); ++d) sum[d] += r[d];
  }
  for (std::size_t d = 0; d < sum.size(); ++d) EXPECT_NEAR(together[d], sum[d], 1e-3) << "equation " << d + 1;
  // A settlement of the only horizontal support moves the beam without force.
  EXPECT_NEAR(together[0], 0.0, 1e-3);
  // The vertical reactions balance.
  EXPECT_NEAR(together[1] + together[4] + together[7], 0.0, 1e-3);
  EXPECT_GT(std::fabs(together[4]), 1.0);
}

TEST(SupportReactions, FileLayoutAndSigns) {
  // A horizontal force of 5 at the roller: the pin takes it (x stored negative); the vertical
  // reactions of the uniform load; every unsupported equation 0.
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  lc.point_loads.Append(testing::NodeLoad(2, 5, 0));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  const std::vector<std::byte> bytes = testing::FileBytes(solver.pos.LoadCaseFile("KLAGER", 1));
  ASSERT_EQ(bytes.size(), 24u);  // 6 equations
  EXPECT_NEAR(testing::FloatAt(bytes, 0), -5.0, 1e-4);  // u of node 1
  EXPECT_NEAR(testing::FloatAt(bytes, 4), 30.0, 1e-4);  // v of node 1
  EXPECT_EQ(testing::FloatAt(bytes, 8), 0.0f);          // rotation of node 1: free
  EXPECT_EQ(testing::FloatAt(bytes, 12), 0.0f);         // u of node 2: free, loaded
  EXPECT_NEAR(testing::FloatAt(bytes, 16), 30.0, 1e-4);
  EXPECT_EQ(testing::FloatAt(bytes, 20), 0.0f);
  // The copy of the displacements is UT8 byte for byte.
  const std::vector<std::byte> copy = testing::FileBytes(solver.pos.LoadCaseFile("U", 1));
  EXPECT_EQ(copy.size(), 8008u);
  EXPECT_EQ(copy, testing::FileBytes(solver.pos.LoadCaseFile("UT8", 1)));
  // The listing: K u with the reactions in place (not turned), the applied 5 at u of node 2.
  const auto lines = plat::ReadLines(solver.pos.position().folder() + "MATH_SUPPORTS01.TXT");
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 8u);
  EXPECT_EQ((*lines)[0], "t[1] = 5.0000");
  EXPECT_EQ((*lines)[1], "t[2] = 30.0000");
  EXPECT_EQ((*lines)[3], "");
  EXPECT_EQ((*lines)[4], "t[4] = 5.0000");
  EXPECT_EQ((*lines)[7], "");
}

TEST(SupportReactions, NegativeSupportValueIsASpringOfItsSize) {
  testing::FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1);
  frame.AddNode(6, 0, 0, -1);
  frame.AddElement(1, 2);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  EXPECT_NEAR(solver.Reactions()[4], 30.0, 1e-4);
}

TEST(SupportReactions, AHingeRotationTakesNoReaction) {
  // The middle node is clamped; span 2 is hinged to it. Node 2 has the hinge's rotation
  // (equation 6) and the rotation of span 1's rigid end (7), which the support holds.
  testing::FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1);
  frame.AddNode(6, 0, 0, 1, 1);
  frame.AddNode(12, 0, 0, 1);
  frame.AddElement(1, 2);
  frame.AddElement(2, 3, true, false);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 1, 'Y', 10, 10));
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 2, 'Y', 10, 10));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  ASSERT_EQ(solver.run.elements[2].dof(3), 6);
  const std::vector<float> r = solver.Reactions();
  EXPECT_NE(solver.Ut8()[6], 0.0);
  EXPECT_EQ(r[5], 0.0f);
  // Span 1 is a propped cantilever: q l^2 / 8 at the clamp; span 2 adds nothing.
  EXPECT_NEAR(r[6], 45.0, 1e-3);
  EXPECT_NEAR(solver.Curve('M', 1)[50], -45.0, 1e-3);
}

TEST(SupportReactions, MissingStiffnessMatrixFailsTheLoadCase) {
  SolverFixture solver(testing::SimpleBeam());
  const std::string path = solver.pos.File("MATRIXORI");
  ASSERT_TRUE(plat::RemoveFile(path));
  const common::Result result = solver.SolveWithResults(LoadCaseFiles{});
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.text(), " The file " + path + " does not exist ");
  EXPECT_FALSE(solver.run.HasFurtherPass());
  EXPECT_FALSE(plat::FileExists(solver.pos.LoadCaseFile("KLAGER", 1)));
}

TEST(SupportReactions, StiffnessMatrixOfAnotherSizeIsDamaged) {
  SolverFixture solver(testing::SimpleBeam());
  const std::string path = solver.pos.File("MATRIXORI");
  const std::vector<double> short_matrix(6 * 6, 1.0);  // rows without their index-0 slot
  ASSERT_TRUE(plat::WriteBlock(path, short_matrix.data(), short_matrix.size() * sizeof(double)));
  const common::Result result = solver.SolveWithResults(LoadCaseFiles{});
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "The file " + path + " is damaged: it holds 288 bytes, not the 336 of 6 equations.");
}

}  // namespace
}  // namespace zedir
