#include "Quon/solution/solve_load_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "Quon/solution/settlements.h"
#include "Quon/tests/support/recording_notifier.h"
#include "Quon/tests/support/solver_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace zedir {
namespace {

using testing::LineLoad;
using testing::LoadCaseFiles;
using testing::NodeLoad;
using testing::SolverFixture;

constexpr double kEi = 3e7 * 0.0010666667;

common::NodeRefRecord Settled(int node, float du, float dv, float dphi) {
  common::NodeRefRecord r;
  r.set_node(static_cast<std::int16_t>(node));
  r.set_settlement(1, du);
  r.set_settlement(2, dv);
  r.set_settlement(3, dphi);
  r.set_settled(1);
  return r;
}

// The support records of the two-span beam with a settlement of the middle one.
common::NodeRefTable TwoSpanSettlements(float middle_dv) {
  common::NodeRefTable t;
  common::NodeRefRecord first;
  first.set_node(1);
  t.Append(first);
  t.Append(Settled(2, 0, middle_dv, 0));
  common::NodeRefRecord last;
  last.set_node(3);
  t.Append(last);
  return t;
}

TEST(SolveLoadCase, CantileverWithATipForce) {
  SolverFixture solver(testing::Cantilever());
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 0, 10));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> u = solver.Ut8();
  ASSERT_EQ(u.size(), 1001u);
  // The clamping springs of 3e10 add about 5e-7 of the values.
  EXPECT_NEAR(u[5], 0.0225, 0.0225 * 1e-6);       // v = P l^3 / 3EI
  EXPECT_NEAR(u[6], -0.005625, 0.005625 * 1e-6);  // phi = -P l^2 / 2EI
  EXPECT_NEAR(u[4], 0.0, 1e-12);
}

TEST(SolveLoadCase, SimpleBeamUnderAUniformLoad) {
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.line_loads.Append(LineLoad(1, 1, 2, {0, 30, -30, 0, 30, 30}));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> u = solver.Ut8();
  const double end_rotation = 10 * 216 / (24 * kEi);  // q l^3 / 24EI
  EXPECT_NEAR(u[3], -end_rotation, end_rotation * 1e-6);
  EXPECT_NEAR(u[6], end_rotation, end_rotation * 1e-6);
}

TEST(SolveLoadCase, DisplacementsAreTheInverseTimesTheLoadVector) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.line_loads.Append(LineLoad(1, 1, 2, {0, 30, -30, 0, 30, 30}));
  lc.point_loads.Append(NodeLoad(3, 4, 0));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> f = solver.Rhsg();
  const std::vector<double> u = solver.Ut8();
  for (int r = 1; r <= 9; ++r) {
    double sum = 0;
    for (int c = 1; c <= 9; ++c) sum += f[static_cast<std::size_t>(c - 1)] * solver.inverse(r, c);
    EXPECT_EQ(u[static_cast<std::size_t>(r)], sum) << r;
  }
  for (std::size_t i = 10; i < u.size(); ++i) ASSERT_EQ(u[i], 0.0);
  EXPECT_EQ(u[0], 0.0);
  // No settlements: the settlement files are not written.
  EXPECT_FALSE(plat::FileExists(solver.pos.LoadCaseFile("KFRAMESUP", 1)));
  EXPECT_FALSE(plat::FileExists(solver.pos.File("MATRIXYIELDS")));
  EXPECT_FALSE(plat::FileExists(solver.pos.File("LUYIELDS")));
}

TEST(SolveLoadCase, SettlementOfTheMiddleSupport) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.settlements = TwoSpanSettlements(0.01f);
  // The near-rigid support leaves a flexibility far below 1e-10 at the settled equation: the
  // pivot test of the small system must be relative to its entries.
  EXPECT_LT(solver.inverse(5, 5), 1e-10);
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> u = solver.Ut8();
  EXPECT_NEAR(u[5], 0.01, 1e-9);
  EXPECT_NEAR(u[2], 0.0, 1e-9);
  EXPECT_NEAR(u[8], 0.0, 1e-9);
  for (double f : solver.Rhsg()) EXPECT_EQ(f, 0.0);  // RHSG holds no settlement forces

  // One component d: M = [K^-1(d, d)], the force is the value over it.
  ASSERT_EQ(solver.run.settlements.count(), 1);
  EXPECT_EQ(solver.run.settlements.dofs[0], 5);
  EXPECT_NEAR(solver.run.settlements.forces[0], 0.01 / solver.inverse(5, 5), 1e-6 * 0.01 / solver.inverse(5, 5));

  const auto matrix = testing::FileDoubles(solver.pos.File("MATRIXYIELDS"));
  ASSERT_EQ(matrix.size(), 2u);  // one column: entry 0, then M(1, 1)
  EXPECT_EQ(matrix[0], 0.0);
  EXPECT_EQ(matrix[1], solver.inverse(5, 5));
  EXPECT_EQ(testing::FileBytes(solver.pos.File("LUYIELDS")).size(), 16u);

  const auto springs = testing::FileBytes(solver.pos.LoadCaseFile("KFRAMESUP", 1));
  ASSERT_EQ(springs.size(), 8u);
  std::int32_t m;
  float spring;
  std::memcpy(&m, springs.data() + 0, 4);
  std::memcpy(&spring, springs.data() + 4, 4);
  EXPECT_EQ(m, 1);
  EXPECT_EQ(spring, 1.0f / static_cast<float>(solver.inverse(5, 5)) - 3e10f);
}

TEST(SolveLoadCase, SettlementsOfSeveralComponentsAreAllMet) {
  testing::FrameBuilder frame;  // a portal frame clamped at both feet
  frame.AddNode(0, 0, 1, 1, 1);
  frame.AddNode(0, 4);
  frame.AddNode(6, 4);
  frame.AddNode(6, 0, 1, 1, 1);
  frame.AddElement(1, 2);
  frame.AddElement(2, 3);
  frame.AddElement(4, 3);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.settlements.Append(Settled(1, 0.002f, -0.01f, 0.001f));
  lc.settlements.Append(Settled(4, 0, 0.005f, 0));
  lc.point_loads.Append(NodeLoad(2, 20, 0));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> u = solver.Ut8();
  EXPECT_NEAR(u[1], 0.002, 1e-9);
  EXPECT_NEAR(u[2], -0.01, 1e-9);
  EXPECT_NEAR(u[3], 0.001, 1e-9);
  EXPECT_NEAR(u[11], 0.005, 1e-9);
  EXPECT_NEAR(u[10], 0.0, 1e-9);
  EXPECT_EQ(solver.run.settlements.count(), 4);
  EXPECT_EQ(testing::FileDoubles(solver.pos.File("MATRIXYIELDS")).size(), 4u * 5u);

  // The window that watches the run hears of every column of the settlement system.
  ASSERT_TRUE(solver.Setup(lc).ok());
  testing::RecordingNotifier notifier;
  ASSERT_TRUE(SolveLoadCase(solver.run, notifier).ok());
  EXPECT_EQ(notifier.settlement_columns, (std::vector<std::string>{"1/4", "2/4", "3/4", "4/4"}));
}

TEST(SolveLoadCase, SmallAndUnflaggedSettlementsArePrescribedNowhere) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.settlements = TwoSpanSettlements(0.0005f);  // 0.5 mm counts
  ASSERT_TRUE(solver.Solve(lc).ok());
  EXPECT_EQ(solver.run.settlements.count(), 1);
  EXPECT_NEAR(solver.Ut8()[5], 0.0005, 1e-9);

  lc.settlements = TwoSpanSettlements(5e-6f);  // below 1e-5: ignored
  ASSERT_TRUE(solver.Solve(lc).ok());
  EXPECT_EQ(solver.run.settlements.count(), 0);
  EXPECT_NEAR(solver.Ut8()[5], 0.0, 1e-12);

  lc.settlements = TwoSpanSettlements(0.01f);
  lc.settlements[2].set_settled(0);
  ASSERT_TRUE(solver.Solve(lc).ok());
  EXPECT_EQ(solver.run.settlements.count(), 0);
  EXPECT_NEAR(solver.Ut8()[5], 0.0, 1e-12);
}

TEST(SolveLoadCase, TheSameSettledEquationTwiceIsASingularSystem) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.settlements = TwoSpanSettlements(0.01f);
  lc.settlements.Append(Settled(2, 0, 0.02f, 0));
  EXPECT_EQ(solver.Solve(lc).text(), "Singularity in row 2");
  EXPECT_FALSE(solver.run.job.abandoned);
}

TEST(SolveLoadCase, SettlementRecordsAreChecked) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.settlements = TwoSpanSettlements(0.01f);
  lc.settlements[3].set_node(12);
  EXPECT_EQ(solver.Solve(lc).text(), "Input error in the file " + solver.pos.LoadCaseFile("LKNOTENR", 1) +
                                         ": support 3: node 12 lies outside 1..3.");
}

// An INVERSE of another size is damaged and named; only a missing one is not found.
TEST(SolveLoadCase, InverseOfAnotherSizeIsDamaged) {
  SolverFixture solver(testing::SimpleBeam());
  const std::string path = solver.pos.File("INVERSE");
  auto bytes = testing::FileBytes(path);
  plat::WriteBlock(path, bytes.data(), bytes.size() - 8);  // cut short by a singular inversion
  EXPECT_EQ(solver.Solve({}).text(),
            "The file " + path + " is damaged: it holds 280 bytes, the 6 equations need 288.");
  EXPECT_TRUE(solver.run.job.abandoned);
  bytes.resize(bytes.size() + 8);
  plat::WriteBlock(path, bytes.data(), bytes.size());
  EXPECT_EQ(solver.Solve({}).text(),
            "The file " + path + " is damaged: it holds 296 bytes, the 6 equations need 288.");
  plat::RemoveFile(path);
  EXPECT_EQ(solver.Solve({}).text(),
            "The inverse stiffness matrix is not found. Click on the button Frame in the main menu and store the shape!");
}

TEST(SolveLoadCase, DisplacementFileLayout) {
  SolverFixture solver(testing::Cantilever());
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 0, 10));
  ASSERT_TRUE(solver.Solve(lc, 12).ok());
  const auto bytes = testing::FileBytes(solver.pos.position().folder() + "UT8012.7");
  ASSERT_EQ(bytes.size(), 8008u);
  double entry;
  std::memcpy(&entry, bytes.data() + 0, 8);
  EXPECT_EQ(entry, 0.0);
  std::memcpy(&entry, bytes.data() + 40, 8);  // equation 5
  EXPECT_NEAR(entry, 0.0225, 0.0225 * 1e-6);
  std::memcpy(&entry, bytes.data() + 56, 8);  // equation 7, beyond n
  EXPECT_EQ(entry, 0.0);
}

TEST(SolveLoadCase, SolutionText) {
  std::vector<double> u(1001, 0.0);
  u[1] = 0.0225;
  u[3] = -5.625e-3;
  u[4] = 1;
  EXPECT_EQ(SolutionText(u, 4),
            "Node 1\n1    2.2500E-02\n2    0.0000E+00\n3    -5.6250E-03\n\nNode 2\n4    1.0000E+00\n");
  EXPECT_EQ(SolutionText(u, 3), "Node 1\n1    2.2500E-02\n2    0.0000E+00\n3    -5.6250E-03\n\nNode 2\n");

  SolverFixture solver(testing::Cantilever());
  ASSERT_TRUE(solver.Solve({}).ok());
  const auto text = testing::FileBytes(solver.pos.position().folder() + "MATH_SOL01.TXT");
  const std::string file(reinterpret_cast<const char*>(text.data()), text.size());
  EXPECT_EQ(file.substr(0, 32), "Node 1\r\n1    0.0000E+00\r\n2    0.");
}

}  // namespace
}  // namespace zedir
