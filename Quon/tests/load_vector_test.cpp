#include "Quon/loads/load_vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "Quon/input/setup_run.h"
#include "Quon/tests/support/solver_fixture.h"
#include "common/records/record_files.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

using testing::ElementLoad;
using testing::LineLoad;
using testing::LoadCaseFiles;
using testing::NodeLoad;
using testing::SolverFixture;

constexpr double kEi = 3e7 * 0.0010666667;  // of the fixture section

void ExpectVector(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i], expected[i], 1e-6 * (1.0 + std::fabs(expected[i]))) << what << ", equation " << i + 1;
  }
}

TEST(LoadVector, UniformLineLoadGivesItsEndForcesAtTheEndNodes) {
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.line_loads.Append(LineLoad(1, 1, 2, {0, 30, -30, 0, 30, 30}));
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {0, 30, -30, 0, 30, 30}, "q = 10 'Y' over 6 m");

  LoadCaseFiles start_only;
  start_only.line_loads.Append(LineLoad(1, 1, 0, {1, 2, 3, 4, 5, 6}));
  ASSERT_TRUE(solver.Solve(start_only).ok());
  ExpectVector(solver.Rhsg(), {1, 2, 3, 0, 0, 0}, "end node 0");
}

TEST(LoadVector, PointLoadsOnAnElement) {
  struct Case {
    const char* what;
    common::PointLoadRecord load;
    std::vector<double> rhsg;
  };
  auto with = [](common::PointLoadRecord load, auto set) {
    set(load);
    return load;
  };
  const double t = 12 * kEi / 216, m = 6 * kEi / 36;  // unit transverse dislocation of a 6 m element
  const Case cases[] = {
      {"force across at midspan",
       with(ElementLoad(1, 0, 3), [](auto& l) { l.set_force_normal(20); }), {0, 10, -15, 0, 10, 15}},
      {"force along at a third",
       with(ElementLoad(1, 0, 2), [](auto& l) { l.set_force_along(9); }), {6, 0, 0, 3, 0, 0}},
      {"moment 12 at the start (stored as entered, negated on reading)",
       with(ElementLoad(1, 1, 0), [](auto& l) { l.set_value(12); l.set_kind_value(12); }), {0, 0, 12, 0, 0, 0}},
      {"transverse dislocation D = 1",
       with(ElementLoad(1, 4, 2), [](auto& l) { l.set_value(1); }), {0, -t, m, 0, t, m}},
      {"transverse dislocation D = 2 scales by D",
       with(ElementLoad(1, 4, 2), [](auto& l) { l.set_value(2); }), {0, -2 * t, 2 * m, 0, 2 * t, 2 * m}},
      {"axial dislocation 0.001",
       with(ElementLoad(1, 5, 2), [](auto& l) { l.set_value(0.001f); }), {-400, 0, 0, 400, 0, 0}},
      {"kink 0.002 at midspan",
       with(ElementLoad(1, 2, 3), [](auto& l) { l.set_value(0.002f); }),
       {0, 0, -kEi * 0.002 * (4.0 / 6 - 18.0 / 36), 0, 0, -kEi * 0.002 * (2.0 / 6 - 18.0 / 36)}},
      {"kind 3 adds nothing", with(ElementLoad(1, 3, 2), [](auto& l) { l.set_value(5); }), {0, 0, 0, 0, 0, 0}},
      {"placement 0 adds nothing",
       with(ElementLoad(1, 0, 2), [](auto& l) { l.set_placement(0); l.set_force_normal(5); }), {0, 0, 0, 0, 0, 0}},
  };
  SolverFixture solver(testing::SimpleBeam());
  for (const Case& c : cases) {
    LoadCaseFiles lc;
    lc.point_loads.Append(c.load);
    ASSERT_TRUE(solver.Solve(lc).ok()) << c.what;
    ExpectVector(solver.Rhsg(), c.rhsg, c.what);
  }
}

TEST(LoadVector, NodalLoads) {
  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.point_loads.Append(NodeLoad(2, 3, -7));
  common::PointLoadRecord moment = NodeLoad(1, 0, 0);
  moment.set_kind(common::PointLoadRecord::kMoment);
  moment.set_value(5);
  moment.set_kind_value(5);
  lc.point_loads.Append(moment);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {0, 0, 5, 3, -7, 0}, "force at node 2, moment at node 1");
}

// Beam 1-2 hinged at node 2, column 3-2 rigid there: node 2 has the beam end's own
// rotation (equation 6) and the column's (equation 7).
TEST(LoadVector, MomentAtANodeActsOnTheRotationOfItsRigidEnds) {
  testing::FrameBuilder frame;
  frame.AddNode(0, 4, 1, 1);
  frame.AddNode(6, 4);
  frame.AddNode(6, 0, 1, 1, 1);
  frame.AddElement(1, 2, false, true);
  frame.AddElement(3, 2);
  SolverFixture solver(frame);
  ASSERT_EQ(solver.model.nodes[2].rotation_count(), 2);
  LoadCaseFiles lc;
  common::PointLoadRecord moment = NodeLoad(2, 0, 0);
  moment.set_kind(common::PointLoadRecord::kMoment);
  moment.set_value(8);
  moment.set_kind_value(8);
  lc.point_loads.Append(moment);
  ASSERT_TRUE(solver.Solve(lc).ok());
  const std::vector<double> rhsg = solver.Rhsg();
  ASSERT_EQ(rhsg.size(), 10u);
  EXPECT_EQ(rhsg[5], 0.0);  // the hinged beam end
  EXPECT_EQ(rhsg[6], 8.0);  // the column
}

TEST(LoadVector, UniformTemperatureOnAHeldBarGivesAlphaTEa) {
  SolverFixture solver(testing::HeldBar());
  LoadCaseFiles lc;
  lc.params.set_alpha_t(1e-5);
  common::TemperatureLoadRecord t;
  t.set_uniform_t(20);
  t.set_loaded(1);
  lc.temperatures.Append(t);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {-480, 0, 0, 480, 0, 0}, "T = 20");

  lc.temperatures[1].set_delta_t(10);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {-480, 0, -8, 480, 0, 8}, "T = 20, dT = 10, h = 0.4");

  lc.temperatures[1].set_loaded(0);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {0, 0, 0, 0, 0, 0}, "record without its flag");
}

TEST(LoadVector, TemperatureGradientOnALowSectionUsesTheHeightOfOneTenth) {
  testing::FrameBuilder frame = testing::HeldBar();
  SolverFixture solver(frame);
  solver.model.sections[1].set_height(0.0f);
  common::WriteTable(solver.pos.File("CROSS"), solver.model.sections);
  LoadCaseFiles lc;
  lc.params.set_alpha_t(1e-5);
  common::TemperatureLoadRecord t;
  t.set_delta_t(10);
  t.set_loaded(1);
  lc.temperatures.Append(t);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {0, 0, -32, 0, 0, 32}, "h = 0");
  EXPECT_EQ(solver.run.sections[1].height(), 0.1f);
}

TEST(LoadVector, Prestress) {
  SolverFixture solver(testing::HeldBar());
  LoadCaseFiles lc;
  common::PrestressEntry entry;
  entry.set_element(1);
  entry.set_force(100);
  lc.prestress.Append(entry);
  entry.set_force(-5);
  lc.prestress.Append(entry);
  ASSERT_TRUE(solver.Solve(lc).ok());
  ExpectVector(solver.Rhsg(), {100, 0, 0, -100, 0, 0}, "100 kN, and -5 kN that adds nothing");

  const std::string path = solver.pos.LoadCaseFile("PRESTRESS", 1);
  lc.prestress[1].set_element(4);
  EXPECT_EQ(solver.Solve(lc).text(),
            "Input error in the file " + path + ": prestress entry 1: element 4 lies outside 1..1.");
  EXPECT_FALSE(solver.run.job.abandoned);

  lc.prestress[1].set_element(1);
  solver.pos.WriteLoadCase(1, lc);
  const std::int32_t count = 101;
  auto bytes = testing::FileBytes(path);
  std::memcpy(bytes.data(), &count, 4);
  plat::WriteBlock(path, bytes.data(), bytes.size());
  solver.run = zedir::Run();
  ASSERT_TRUE(SetupRun(solver.run, solver.pos.settings(), solver.notifier).ok());
  EXPECT_EQ(BuildLoadVector(solver.run).text(),
            "The file " + path + " is damaged: it claims 101 records, the table holds at most 100.");
}

TEST(LoadVector, LoadTextHasALineEachAndAnEmptyLineAfterEveryThird) {
  mechanics::Vector f(4);
  f[1] = 1.5;
  f[2] = -30;
  f[4] = 123.456;
  EXPECT_EQ(LoadVectorText(f), "rhs[ 1] = 1.50\nrhs[ 2] = -30.00\nrhs[ 3] = 0.00\n\nrhs[ 4] = 123.46\n");

  SolverFixture solver(testing::SimpleBeam());
  LoadCaseFiles lc;
  lc.line_loads.Append(LineLoad(1, 1, 2, {0, 30, -30, 0, 30, 30}));
  ASSERT_TRUE(solver.Solve(lc).ok());
  const auto text = testing::FileBytes(solver.pos.position().folder() + "MATH_RHS01.TXT");
  const std::string expected =
      "rhs[ 1] = 0.00\r\nrhs[ 2] = 30.00\r\nrhs[ 3] = -30.00\r\n\r\n"
      "rhs[ 4] = 0.00\r\nrhs[ 5] = 30.00\r\nrhs[ 6] = 30.00\r\n\r\n";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(text.data()), text.size()), expected);
  EXPECT_EQ(testing::FileBytes(solver.pos.position().folder() + "RHSG01").size(), 48u);  // n doubles
}

}  // namespace
}  // namespace zedir
