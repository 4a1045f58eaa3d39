// A release near an element's end sits 0.1 m from it, and its force is zero there: checked
// against the three spans of 6 m with the release built into the frame, element 2 split at
// 0.1 m into two elements assembled from scratch.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/diagrams/force_diagrams.h"
#include "graphics/picture/element_values.h"
#include "graphics/reanalysis/release_records.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/tests/reanalysis_fixture.h"
#include "graphics/tests/section_forces.h"
#include "mechanics/model/element_curves_of.h"

namespace revuzavi {
namespace {

using testing::SolvedViewer;
using zedir::testing::LoadCaseFiles;

constexpr double kStation = 0.1;
constexpr double kQ = 10.0;

LoadCaseFiles LoadOnEverySpan() {
  const zedir::testing::FrameModel model = testing::ThreeSpans().Build();
  LoadCaseFiles lc;
  for (int e = 1; e <= 3; ++e) lc.line_loads.Append(zedir::testing::StoredLineLoad(model, e, 'Y', kQ, kQ));
  return lc;
}

std::array<double, 6> GlobalForces(const common::LineLoadRecord& load) {
  std::array<double, 6> f{};
  for (int k = 1; k <= 6; ++k) f[static_cast<std::size_t>(k - 1)] = load.global_force(k);
  return f;
}

std::array<int, 6> Dofs(const common::ElementRecord& e) {
  return {e.dof(1), e.dof(2), e.dof(3), e.dof(4), e.dof(5), e.dof(6)};
}

enum class Release { kMoment, kShear, kCut };

// The frame with element 2 split at the station: piece A from node 2 to the point P, piece B
// from P to node 3, joined at P by u, and by v and the rotation unless released. The moment of
// piece A at node 2 with the displacements found.
struct SplitFrame {
  std::vector<double> u;
  double moment_at_node_2 = 0.0;
};

SplitFrame SolveSplitFrame(const SolvedViewer& v, Release release) {
  const zedir::testing::FrameModel model = testing::ThreeSpans().Build();
  const int n = model.params.equation_count();
  // P's equations: u, then v (A, B) and the rotation (A, B), one each where P holds together.
  const int u = n + 1;
  const int va = n + 2;
  const int vb = release == Release::kMoment ? va : va + 1;
  const int ra = vb + 1;
  const int rb = release == Release::kShear ? ra : ra + 1;

  // The load case less element 2's load, then the pieces with their loads.
  std::vector<double> f = v.solver.Rhsg();
  f.insert(f.begin(), 0.0);
  const common::ElementRecord& two = model.elements[2];
  const std::array<double, 6> whole = GlobalForces(LoadOnEverySpan().line_loads[2]);
  testing::DenseFrame frame = testing::ModifiedFrame(model, {{2, 0.0}}, f, rb - n);
  for (std::size_t k = 0; k < 6; ++k) frame.AddLoad(Dofs(two)[k], -whole[k]);

  zedir::testing::FrameBuilder split;
  for (const float x : {0.0f, 6.0f, 6.1f, 12.0f, 18.0f}) split.AddNode(x, 0);
  for (int k = 1; k <= 4; ++k) split.AddElement(k, k + 1);
  const zedir::testing::FrameModel pieces = split.Build();
  const std::array<int, 6> a = {two.dof(1), two.dof(2), two.dof(3), u, va, ra};
  const std::array<int, 6> b = {u, vb, rb, two.dof(4), two.dof(5), two.dof(6)};
  frame.AddElement(6.0, 0.0, 6.0 + kStation, 0.0, a);
  frame.AddElement(6.0 + kStation, 0.0, 12.0, 0.0, b);
  const std::array<double, 6> load_a = GlobalForces(zedir::testing::StoredLineLoad(pieces, 2, 'Y', kQ, kQ));
  frame.AddLoads(a, load_a);
  frame.AddLoads(b, GlobalForces(zedir::testing::StoredLineLoad(pieces, 3, 'Y', kQ, kQ)));

  SplitFrame s;
  s.u = frame.Solve();
  // The end moment of piece A held at its ends under its load, plus that of its displacements.
  const mechanics::ElementMatrix ka = mechanics::ElementStiffness(
      mechanics::RigidityOf(zedir::testing::kE, zedir::testing::kA, zedir::testing::kI),
      mechanics::DirectionOfEnds(6.0, 0.0, 6.0 + kStation, 0.0));
  double kau = 0.0;
  for (int j = 1; j <= 6; ++j) kau += ka(3, j) * s.u[static_cast<std::size_t>(a[static_cast<std::size_t>(j - 1)])];
  s.moment_at_node_2 = -(kau - load_a[2]);
  return s;
}

TEST(ReleaseStation, MomentShearAndCutNearTheStartAreZeroAtTheirStation) {
  struct Case {
    const char* name;
    Release release;
    decltype(&DrawInfluenceM) add;
  };
  for (const Case& c : {Case{"moment release", Release::kMoment, &DrawInfluenceM},
                        Case{"shear release", Release::kShear, &DrawInfluenceV},
                        Case{"cut", Release::kCut, &DrawInfluenceMV}}) {
    SCOPED_TRACE(c.name);
    SolvedViewer v(testing::ThreeSpans(), LoadOnEverySpan(), 0.0f);
    const common::Result added = c.add(v.state, v.run, ViewState{}, v.view, 2, kNearStart);
    ASSERT_TRUE(added.ok()) << added.text();
    for (int r = 0; r < v.run.releases.records(); ++r) {
      EXPECT_FLOAT_EQ(ReleaseRecord(v.state, v.run.releases, r).distance(), 0.1f);
    }

    // The forces where the release is drawn, as the diagrams compose them.
    const mechanics::SectionForces at =
        mechanics::ComposeElementForcesAt(CurveModelOf(v.state), 2, mechanics::CurveSwitches{}, kStation);
    if (c.release != Release::kShear) {
      EXPECT_NEAR(at.m, 0.0, 1e-6 * kQ * 36.0 / 8.0) << "M";
    }
    if (c.release != Release::kMoment) {
      EXPECT_NEAR(at.v, 0.0, 1e-6 * kQ * 6.0) << "V";
    }
    EXPECT_NEAR(at.n, 0.0, 1e-6) << "N";

    // Every displacement and rotation of the nodes, and the moment drawn at node 2.
    const SplitFrame reference = SolveSplitFrame(v, c.release);
    EXPECT_LE(testing::RelativeError(v.state.displacements, reference.u, v.n()), 1e-6);
    EXPECT_NEAR(testing::ForcesAt(v.state, ViewState{}, 2, 0.0).m, reference.moment_at_node_2, 1e-6 * kQ * 36.0 / 8.0);
  }
}

// The station of each position type; on an element shorter than 0.2 m the one near the start
// stays in its first half.
TEST(ReleaseStation, StationsOfThePositionTypes) {
  struct Case {
    float length;
    int type;
    float station;
  };
  for (const Case c : {Case{6.0f, kNearStart, 0.1f}, Case{6.0f, kAtEnd, 6.0f}, Case{6.0f, kInMiddle, 3.0f},
                       Case{0.15f, kNearStart, 0.075f}, Case{0.05f, kNearStart, 0.025f}}) {
    common::ElementRecord element;
    element.set_length(c.length);
    EXPECT_FLOAT_EQ(ReleaseStation(element, c.type), c.station) << c.length << " type " << c.type;
  }
}

}  // namespace
}  // namespace revuzavi
