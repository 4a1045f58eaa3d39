// An element removed by the reanalysis takes all its own loads with it, in both methods; a
// removal that leaves a mechanism is refused by the direct method as by the iteration. Checked
// against dense solutions of the modified frames assembled from scratch, with the load vector
// the solver builds for the load case without the removed element's loads.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/reanalysis/reanalysis.h"
#include "graphics/tests/reanalysis_fixture.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using testing::SolvedViewer;
using zedir::testing::FrameBuilder;
using zedir::testing::LoadCaseFiles;

constexpr int kTopBeam = 6;  // the top beam of the two storeys

// The loads that stay: a push at the first floor and 12 kN/m on its beam.
LoadCaseFiles StayingLoads(const zedir::testing::FrameModel& model) {
  LoadCaseFiles lc;
  lc.point_loads.Append(zedir::testing::NodeLoad(3, 10.0f, 0.0f));
  lc.line_loads.Append(zedir::testing::StoredLineLoad(model, 3, 'Y', 12, 12));
  return lc;
}

// The staying loads plus one kind of load on the top beam.
struct LoadKind {
  const char* name;
  std::function<void(const zedir::testing::FrameModel&, LoadCaseFiles&)> add;
};

const LoadKind kKinds[] = {
    {"line load",
     [](const zedir::testing::FrameModel& m, LoadCaseFiles& lc) {
       lc.line_loads.Append(zedir::testing::StoredLineLoad(m, kTopBeam, 'Y', 18, 18));
     }},
    {"point load",
     [](const zedir::testing::FrameModel&, LoadCaseFiles& lc) {
       lc.point_loads.Append(zedir::testing::ForceAcross(kTopBeam, 2.0f, 25.0f));
     }},
    {"temperature",
     [](const zedir::testing::FrameModel& m, LoadCaseFiles& lc) {
       lc.params.set_alpha_t(1e-5);
       for (int e = 1; e <= m.elements.count(); ++e) {
         common::TemperatureLoadRecord t;
         if (e == kTopBeam) {
           t.set_loaded(1);
           t.set_uniform_t(20.0f);
           t.set_delta_t(15.0f);
         }
         lc.temperatures.Append(t);
       }
     }},
    {"prestress",
     [](const zedir::testing::FrameModel&, LoadCaseFiles& lc) {
       common::PrestressEntry p;
       p.set_element(kTopBeam);
       p.set_force(500.0f);
       lc.prestress.Append(p);
     }},
    {"self weight",
     [](const zedir::testing::FrameModel& m, LoadCaseFiles& lc) {
       common::LineLoadRecord weight = zedir::testing::StoredLineLoad(m, kTopBeam, 'Y', 2, 2);
       weight.set_generated(1);
       lc.line_loads.Append(weight);
       lc.params.set_gravity_flag(1);
       lc.params.set_gravity_line_load_count(1);
     }},
};

TEST(RemovedElement, TakesEachKindOfItsLoadsAwayInBothMethods) {
  const zedir::testing::FrameModel model = testing::TwoStoreys().Build();
  for (const LoadKind& kind : kKinds) {
    for (const int method : {static_cast<int>(ReanalysisState::kDirect), static_cast<int>(ReanalysisState::kIterative)}) {
      SCOPED_TRACE(std::string(kind.name) + (method == ReanalysisState::kDirect ? ", direct" : ", iterative"));
      LoadCaseFiles all = StayingLoads(model);
      kind.add(model, all);
      SolvedViewer v(testing::TwoStoreys(), all, 0.0f);
      v.run.method = method;
      v.run.picked_elements.Add(kTopBeam);
      int step = 1;
      const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
      ASSERT_TRUE(result.ok()) << result.text();
      EXPECT_EQ(v.state.elements[kTopBeam].switched_off_flag(), 1);

      // The load vector of the staying loads, as the solver builds it (load case 2).
      ASSERT_TRUE(v.solver.Solve(StayingLoads(model), 2).ok());
      std::vector<double> f = v.solver.Rhsg(2);
      f.insert(f.begin(), 0.0);
      if (method == ReanalysisState::kDirect) {
        // The direct method solves a removed element with k 0.01.
        const std::vector<double> reference = testing::ModifiedFrame(model, {{kTopBeam, 0.01}}, f).Solve();
        EXPECT_LE(testing::RelativeError(v.state.displacements, reference, v.n()), 1e-6);
      } else {
        const std::vector<double> reference = testing::ModifiedFrame(model, {{kTopBeam, 0.0}}, f).Solve();
        const double error = testing::RelativeError(v.state.displacements, reference, v.n());
        EXPECT_TRUE(v.run.converged);
        EXPECT_LE(error, v.run.last_error) << "the bound printed holds";
        EXPECT_LE(error, 1e-7);
      }
    }
  }
}

constexpr int kBrace = 4;  // the first diagonal of the braced portals

// Both methods test the removal itself first: a mechanism is refused with the same message,
// also one that the load does not move (the iteration would converge on it).
TEST(RemovedElement, ARemovalThatLeavesAMechanismIsRefusedInBothMethods) {
  LoadCaseFiles tip_load;
  tip_load.point_loads.Append(zedir::testing::NodeLoad(2, 0.0f, 10.0f));
  // Span 2 of the two spans loaded across: without span 1 nothing holds it along x.
  LoadCaseFiles second_span;
  second_span.line_loads.Append(zedir::testing::StoredLineLoad(zedir::testing::TwoSpans().Build(), 2, 'Y', 10, 10));
  struct Case {
    const char* name;
    FrameBuilder frame;
    LoadCaseFiles loads;
    int removed;
    bool mechanism;
  };
  const Case cases[] = {
      {"the only rigid brace", testing::BracedPortal(false, 1), testing::PushAtTheTop(), kBrace, true},
      {"the only hinged brace", testing::BracedPortal(true, 1), testing::PushAtTheTop(), kBrace, true},
      {"a cantilever's only element, loaded at its tip", zedir::testing::Cantilever(), tip_load, 1, true},
      {"the pinned span of two, the other loaded across", zedir::testing::TwoSpans(), second_span, 1, true},
      // The other brace holds the frame; a hinged one's own rotations leave with it.
      {"one of two rigid braces", testing::BracedPortal(false, 2), testing::PushAtTheTop(), kBrace, false},
      {"one of two hinged braces", testing::BracedPortal(true, 2), testing::PushAtTheTop(), kBrace, false},
  };
  for (const Case& c : cases) {
    for (const int method : {static_cast<int>(ReanalysisState::kDirect), static_cast<int>(ReanalysisState::kIterative)}) {
      const bool direct = method == ReanalysisState::kDirect;
      SCOPED_TRACE(std::string(c.name) + (direct ? ", direct" : ", iterative"));
      SolvedViewer v(c.frame, c.loads, 0.0f);
      v.run.method = method;
      v.run.picked_elements.Add(c.removed);
      if (c.mechanism) {
        const common::Result refused = testing::FailedRun(v, 1);
        EXPECT_EQ(refused.text(), "No convergence, K + Delta K probably singular");
        EXPECT_EQ(refused.caption(), "Error");
        continue;
      }
      int step = 1;
      const common::Result result = IterateModifiedStiffness(v.state, v.run, v.view, step);
      ASSERT_TRUE(result.ok()) << result.text();
      EXPECT_TRUE(v.run.converged);
      if (!direct) continue;  // the iteration's result is checked against the frame without it above
      std::vector<double> f = v.solver.Rhsg();
      f.insert(f.begin(), 0.0);
      const std::vector<double> reference = testing::ModifiedFrame(c.frame.Build(), {{c.removed, 0.01}}, f).Solve();
      EXPECT_LE(testing::RelativeError(v.state.displacements, reference, v.n()), 1e-6);
    }
  }
}

}  // namespace
}  // namespace revuzavi
