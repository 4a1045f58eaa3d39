#include "Quon/results/element_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "platform/files.h"

namespace zedir {
namespace {

using testing::ForceAcross;
using testing::FrameBuilder;
using testing::FrameModel;
using testing::LoadCaseFiles;
using testing::SolverFixture;

constexpr float kQ = 10.0f;

common::TemperatureTable Temperatures(int elements, float t, float dt) {
  common::TemperatureTable table;
  for (int e = 1; e <= elements; ++e) {
    common::TemperatureLoadRecord r;
    r.set_uniform_t(t);
    r.set_delta_t(dt);
    r.set_loaded(1);
    table.Append(r);
  }
  return table;
}

common::NodeRefTable MiddleSettles(float dv) {
  common::NodeRefTable t;
  for (int node = 1; node <= 3; ++node) {
    common::NodeRefRecord r;
    r.set_node(static_cast<std::int16_t>(node));
    r.set_support(2, 1.0f);
    r.set_support_flag(2, 1);
    if (node == 2) {
      r.set_settlement(2, dv);
      r.set_settled(1);
    }
    t.Append(r);
  }
  return t;
}

struct Value {
  int element;
  char curve;
  int sample;
  double expected;
};

struct Case {
  const char* name;
  FrameBuilder frame;
  std::function<LoadCaseFiles(const FrameModel&)> load;
  std::vector<Value> values;
  std::vector<std::pair<int, double>> reactions;  // equation, KLAGER entry
};

// l = 6, EI = 32000, EA = 2.4e6 on near-rigid supports.
std::vector<Case> Cases() {
  return {
      {"simply supported, uniform load",
       testing::SimpleBeam(),
       [](const FrameModel& m) {
         LoadCaseFiles lc;
         lc.line_loads.Append(testing::StoredLineLoad(m, 1, 'Y', kQ, kQ));
         return lc;
       },
       {{1, 'M', 26, 45}, {1, 'M', 1, 0}, {1, 'M', 51, 0}, {1, 'V', 1, 30}, {1, 'V', 26, 0}, {1, 'V', 51, -30},
        {1, 'W', 26, 5.2734375e-3}},
       {{2, 30}, {5, 30}, {1, 0}}},
      {"fixed-fixed, uniform load",
       testing::FixedBeam(),
       [](const FrameModel& m) {
         LoadCaseFiles lc;
         lc.line_loads.Append(testing::StoredLineLoad(m, 1, 'Y', kQ, kQ));
         return lc;
       },
       {{1, 'M', 1, -30}, {1, 'M', 51, -30}, {1, 'M', 26, 15}, {1, 'W', 26, 1.0546875e-3}},
       {{3, -30}, {6, 30}, {2, 30}, {5, 30}}},
      {"two spans, uniform load",
       testing::TwoSpans(),
       [](const FrameModel& m) {
         LoadCaseFiles lc;
         lc.line_loads.Append(testing::StoredLineLoad(m, 1, 'Y', kQ, kQ));
         lc.line_loads.Append(testing::StoredLineLoad(m, 2, 'Y', kQ, kQ));
         return lc;
       },
       {{1, 'M', 51, -45}, {2, 'M', 1, -45}, {1, 'M', 26, 22.5}, {2, 'M', 26, 22.5}, {1, 'V', 1, 22.5},
        {1, 'V', 51, -37.5}, {2, 'V', 1, 37.5}, {2, 'V', 51, -22.5}, {1, 'W', 26, 2.109375e-3},
        {2, 'W', 26, 2.109375e-3}},
       {{2, 22.5}, {5, 75}, {8, 22.5}}},
      {"point force at midspan",
       testing::SimpleBeam(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         lc.point_loads.Append(ForceAcross(1, 3.0f, 20.0f));
         return lc;
       },
       {{1, 'M', 26, 30}, {1, 'V', 1, 10}, {1, 'V', 26, 10}, {1, 'V', 27, -10}, {1, 'V', 51, -10},
        {1, 'W', 26, 2.8125e-3}},
       {{2, 10}, {5, 10}}},
      {"partial load on [2, 4]",
       testing::SimpleBeam(),
       [](const FrameModel& m) {
         LoadCaseFiles lc;
         lc.line_loads.Append(testing::StoredPartialLoad(m, 1, 'Y', kQ, kQ, 2.0f, 4.0f));
         return lc;
       },
       {{1, 'M', 26, 25}, {1, 'V', 1, 10}, {1, 'V', 51, -10}, {1, 'M', 1, 0}},
       {{2, 10}, {5, 10}}},
      {"user moment at midspan",
       testing::SimpleBeam(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         common::PointLoadRecord load = testing::ElementLoad(1, common::PointLoadRecord::kMoment, 3.0f);
         load.set_value(12.0f);
         load.set_kind_value(12.0f);  // as the user typed it
         lc.point_loads.Append(load);
         return lc;
       },
       {{1, 'M', 26, 6}, {1, 'M', 27, -5.76}, {1, 'V', 1, 2}, {1, 'V', 26, 2}, {1, 'V', 51, 2}, {1, 'M', 1, 0}},
       {{2, 2}, {5, -2}}},
      {"settlement of the middle support",
       testing::TwoSpans(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         lc.settlements = MiddleSettles(0.01f);
         return lc;
       },
       {{1, 'M', 51, 3 * 32000 * 0.01 / 36}, {2, 'M', 1, 3 * 32000 * 0.01 / 36}, {1, 'M', 1, 0}},
       {{2, 4.4444444}, {5, -8.8888889}, {8, 4.4444444}}},
      {"temperature gradient, simple beam",
       testing::SimpleBeam(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         lc.params.set_alpha_t(1e-5);
         lc.temperatures = Temperatures(1, 0.0f, 10.0f);
         return lc;
       },
       {{1, 'M', 1, 0}, {1, 'M', 26, 0}, {1, 'M', 51, 0}, {1, 'W', 26, 1.125e-3}},
       {{2, 0}, {5, 0}}},
      {"temperature gradient, clamped",
       testing::FixedBeam(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         lc.params.set_alpha_t(1e-5);
         lc.temperatures = Temperatures(1, 0.0f, 10.0f);
         return lc;
       },
       {{1, 'M', 1, -8}, {1, 'M', 26, -8}, {1, 'M', 51, -8}, {1, 'W', 26, 0}, {1, 'W', 13, 0}},
       {{3, -8}, {6, 8}}},
      {"uniform temperature, both ends held",
       testing::HeldBar(),
       [](const FrameModel&) {
         LoadCaseFiles lc;
         lc.params.set_alpha_t(1e-5);
         lc.temperatures = Temperatures(1, 20.0f, 0.0f);
         return lc;
       },
       {{1, 'N', 1, -480}, {1, 'N', 26, -480}, {1, 'N', 51, -480}, {1, 'U', 26, 0}},
       {{1, 480}, {4, -480}}},
  };
}

// The springs of 3e10 give way by about 3e-5 of an axial force of a bar of EA / l = 4e5.
double Tolerance(char curve, double expected) {
  if (curve == 'W' || curve == 'U') return 1e-5 * std::fabs(expected) + 1e-9;
  return 5e-5 * std::fabs(expected) + 2e-4;
}

TEST(ElementCurves, BeamsOnNearRigidSupports) {
  for (const Case& c : Cases()) {
    SolverFixture solver(c.frame);
    ASSERT_TRUE(solver.SolveWithResults(c.load(solver.model)).ok()) << c.name;
    for (const Value& v : c.values) {
      const std::vector<float> curve = solver.Curve(v.curve, v.element);
      ASSERT_EQ(curve.size(), 51u) << c.name;
      EXPECT_NEAR(curve[static_cast<std::size_t>(v.sample - 1)], v.expected, Tolerance(v.curve, v.expected))
          << c.name << ": " << v.curve << " of element " << v.element << " at sample " << v.sample;
    }
    const std::vector<float> reactions = solver.Reactions();
    ASSERT_EQ(static_cast<int>(reactions.size()), solver.run.equation_count()) << c.name;
    for (const auto& [d, expected] : c.reactions) {
      EXPECT_NEAR(reactions[static_cast<std::size_t>(d - 1)], expected, Tolerance('R', expected))
          << c.name << ": reaction at equation " << d;
    }
  }
}

TEST(ElementCurves, InMemoryResultsAreTheFiles) {
  SolverFixture solver(testing::TwoSpans());
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredLineLoad(solver.model, 2, 'Y', 3, 12));
  lc.point_loads.Append(ForceAcross(1, 2.2f, 7.0f));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  ASSERT_EQ(solver.run.element_results.size(), 3u);
  for (int e = 1; e <= 2; ++e) {
    const ElementResult& r = solver.run.element_results[static_cast<std::size_t>(e)];
    const std::pair<char, const mechanics::SampleLine*> curves[] = {{'U', &r.u}, {'W', &r.w}, {'M', &r.m},
                                                                    {'V', &r.v}, {'N', &r.n}};
    for (const auto& [letter, line] : curves) {
      const std::vector<float> file = solver.Curve(letter, e);
      ASSERT_EQ(file.size(), 51u);
      for (int i = 1; i <= 51; ++i) EXPECT_EQ(file[static_cast<std::size_t>(i - 1)], (*line)(i)) << letter << e;
    }
  }
}

TEST(ElementCurves, ANodalLoadCarryingAnElementNumberActsOnItsNodeOnly) {
  SolverFixture plain(testing::Cantilever());
  LoadCaseFiles lc;
  lc.point_loads.Append(testing::NodeLoad(2, 0, 10));
  ASSERT_TRUE(plain.SolveWithResults(lc).ok());

  SolverFixture marked(testing::Cantilever());
  common::PointLoadRecord load = testing::NodeLoad(2, 0, 10);
  load.set_element(1);
  load.set_distance(3.0f);
  load.set_force_normal(10.0f);
  lc.point_loads.Clear();
  lc.point_loads.Append(load);
  ASSERT_TRUE(marked.SolveWithResults(lc).ok());

  EXPECT_NEAR(marked.Curve('M', 1)[0], -60.0, 1e-3);  // -P l at the clamped end
  for (char letter : {'U', 'W', 'M', 'V', 'N'}) EXPECT_EQ(marked.Curve(letter, 1), plain.Curve(letter, 1)) << letter;
  EXPECT_FALSE(plat::FileExists(marked.pos.position().folder() + "NSOURCE1ELM101"));
}

TEST(ElementCurves, PartialAxialLoadStartsFromTheHeldNormalForce) {
  // A column clamped at its foot, pulled up by 10 kN/m between 2 and 4 m: tension 20 below the
  // load, none above it. Its global end forces hold no axial force at the start (the column
  // runs along y).
  FrameBuilder frame;
  frame.AddNode(0, 0, 1, 1, 1);
  frame.AddNode(0, 6);
  frame.AddElement(1, 2);
  SolverFixture solver(frame);
  LoadCaseFiles lc;
  lc.line_loads.Append(testing::StoredPartialLoad(solver.model, 1, 'T', 10, 10, 2, 4));
  ASSERT_TRUE(solver.SolveWithResults(lc).ok());
  const std::vector<float> n = solver.Curve('N', 1);
  EXPECT_NEAR(n[0], 20.0, 1e-4);
  EXPECT_NEAR(n[10], 20.0, 1e-4);  // x = 1.2
  EXPECT_NEAR(n[25], 10.0, 1e-4);  // x = 3
  EXPECT_NEAR(n[50], 0.0, 1e-4);
  EXPECT_NEAR(solver.Reactions()[1], 20.0, 1e-4);  // the foot holds the column down
}

TEST(ElementCurves, ASectionLowerThanOneCentimetreBendsAsOneTenCentimetresHigh) {
  for (bool clamped : {true, false}) {
    SolverFixture solver(clamped ? testing::FixedBeam() : testing::SimpleBeam());
    solver.model.sections[1].set_height(0.005f);
    solver.pos.WriteModel(solver.model);
    LoadCaseFiles lc;
    lc.params.set_alpha_t(1e-5);
    lc.temperatures = Temperatures(1, 0.0f, 10.0f);
    ASSERT_TRUE(solver.SolveWithResults(lc).ok());
    if (clamped) {
      EXPECT_NEAR(solver.Curve('M', 1)[25], -32.0, 1e-3);  // -alpha dT EI / 0.1
    } else {
      EXPECT_NEAR(solver.Curve('W', 1)[25], 4.5e-3, 1e-7);  // alpha dT l^2 / (8 * 0.1)
    }
  }
}

TEST(ElementCurves, AnElementWithoutStiffnessFailsTheLoadCase) {
  SolverFixture solver(testing::SimpleBeam());
  ASSERT_TRUE(solver.Solve(LoadCaseFiles{}).ok());
  solver.run.sections[1].set_inertia(0.0f);
  const common::Result result = WriteElementCurves(solver.run);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "Error in the stiffness of element 1. Check E, A and I");
  EXPECT_FALSE(plat::FileExists(solver.pos.File("U01E1")));
}

}  // namespace
}  // namespace zedir
