#include "loads/integration/line_load_integration.h"

#include <gtest/gtest.h>

#include "loads/tests/frame_fixture.h"

namespace pundf {
namespace {

using testing::Bar;
using testing::MakeGeometry;

constexpr float kTol = 1e-4f;

// Element 1 lies along x, 6 m long.
Geometry Horizontal() { return MakeGeometry({Bar{{0, 0}, {6, 0}}}); }

void ExpectBlock(const common::LineLoadRecord& r, const float (&global)[6], const float (&element)[6]) {
  for (int k = 1; k <= 6; ++k) {
    EXPECT_NEAR(r.global_force(k), global[k - 1], kTol) << "global " << k;
    EXPECT_NEAR(r.global_force_copy(k), global[k - 1], kTol) << "copy " << k;
    EXPECT_NEAR(r.negated_force(k), -global[k - 1], kTol) << "negated " << k;
    EXPECT_NEAR(r.element_force(k), element[k - 1], kTol) << "element axes " << k;
  }
}

TEST(LineLoadIntegration, UniformLoadOverAWholeElement) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Y', 10.0f, 10.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);

  EXPECT_FLOAT_EQ(load.normal_a(), 10.0f);  // byte 40
  EXPECT_FLOAT_EQ(load.normal_b(), 10.0f);  // byte 52
  EXPECT_FLOAT_EQ(load.along_a(), 0.0f);
  EXPECT_FLOAT_EQ(load.along_b(), 0.0f);
  ExpectBlock(load, {0, 30, -30, 0, 30, 30}, {-30, -30, 30, -30, 0, 0});
  EXPECT_NEAR(load.normal_resultant(), 60.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 3.0f, kTol);
  EXPECT_FLOAT_EQ(load.normal_at_start(), 10.0f);
  EXPECT_FLOAT_EQ(load.normal_slope(), 0.0f);
  EXPECT_EQ(load.axial_resultant(), 0.0f);
  EXPECT_EQ(load.axial_resultant_position(), 0.0f);
  EXPECT_EQ(load.start_node(), 1);
  EXPECT_EQ(load.end_node(), 2);
}

TEST(LineLoadIntegration, TriangularLoad) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'y', 0.0f, 12.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_NEAR(load.global_force(2), 10.8f, kTol);
  EXPECT_NEAR(load.global_force(5), 25.2f, kTol);
  EXPECT_NEAR(load.global_force(3), -14.4f, kTol);
  EXPECT_NEAR(load.global_force(6), 21.6f, kTol);
  EXPECT_NEAR(load.normal_resultant(), 36.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 4.0f, kTol);
  EXPECT_NEAR(load.normal_slope(), 2.0f, kTol);
}

TEST(LineLoadIntegration, LoadOnPartOfAnElement) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Y', 10.0f, 10.0f);
  load.set_whole_element(0);
  load.set_xa(2.0f);
  load.set_xb(4.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_NEAR(load.global_force(2), 10.0f, kTol);
  EXPECT_NEAR(load.global_force(5), 10.0f, kTol);
  EXPECT_NEAR(load.global_force(3), -14.444f, 1e-3f);
  EXPECT_NEAR(load.global_force(6), 14.444f, 1e-3f);
  EXPECT_NEAR(load.normal_resultant(), 20.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 3.0f, kTol);

  // A trapezoid 4 -> 8 on [2, 4]: resultant 12 at 2 + 2 (2 * 8 + 4) / (3 * 12).
  load.set_value_a(4.0f);
  load.set_value_b(8.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_NEAR(load.normal_resultant(), 12.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 2.0f + 2.0f * 20.0f / 36.0f, kTol);
  // The load extended to the start node: 0 at x = 0, 2 per metre.
  EXPECT_NEAR(load.normal_at_start(), 0.0f, kTol);
  EXPECT_NEAR(load.normal_slope(), 2.0f, kTol);
}

// A stretch typed from its end to its start is the same load: it is stored
// from its start, and its end forces do not turn round.
TEST(LineLoadIntegration, StretchGivenFromItsEnd) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Y', 4.0f, 8.0f);  // 4 at x = 4, 8 at x = 2
  load.set_whole_element(0);
  load.set_xa(4.0f);
  load.set_xb(2.0f);
  load.set_x1(4.0f);
  load.set_x2(2.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_EQ(load.xa(), 2.0f);
  EXPECT_EQ(load.xb(), 4.0f);
  EXPECT_EQ(load.x1(), 2.0f);
  EXPECT_EQ(load.x2(), 4.0f);
  EXPECT_EQ(load.value_a(), 8.0f);
  EXPECT_EQ(load.value_b(), 4.0f);
  // 12 kN downward in the 'Y' sense, as 8 -> 4 on [2, 4].
  EXPECT_NEAR(load.global_force(2) + load.global_force(5), 12.0f, kTol);
  EXPECT_GT(load.global_force(2), load.global_force(5));
  EXPECT_LT(load.global_force(3), 0.0f);
  EXPECT_NEAR(load.normal_resultant(), 12.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 2.0f + 2.0f * 16.0f / 36.0f, kTol);
}

TEST(LineLoadIntegration, DirectionsOnAnInclinedElement) {
  // 45 degrees, l = 4.243, the records' y rising to 3 (z = -3).
  const Geometry g = MakeGeometry({Bar{{0, 0}, {3, -3}}});
  const float half = 10.0f * g.elements[1].length() / 2.0f;

  auto y = testing::WholeLoad(g, 1, 'Y', 10.0f, 10.0f);
  IntegrateLineLoad(y, g.elements[1], g.nodes);
  EXPECT_NEAR(y.global_force(1), 0.0f, kTol);   // Fx1
  EXPECT_NEAR(y.global_force(2), half, kTol);   // Fy1 = q l / 2 = 21.21
  EXPECT_NEAR(half, 21.21f, 0.01f);
  EXPECT_NEAR(y.along_a(), 7.0711f, kTol);
  EXPECT_NEAR(y.normal_a(), 7.0711f, kTol);

  auto x = testing::WholeLoad(g, 1, 'X', 10.0f, 10.0f);
  IntegrateLineLoad(x, g.elements[1], g.nodes);
  EXPECT_NEAR(x.global_force(1), half, kTol);
  EXPECT_NEAR(x.global_force(2), 0.0f, kTol);
  EXPECT_NEAR(x.normal_a(), -7.0711f, kTol);

  // Along the axis: the ends take half each, no moments.
  auto t = testing::WholeLoad(g, 1, 't', 10.0f, 10.0f);
  IntegrateLineLoad(t, g.elements[1], g.nodes);
  EXPECT_NEAR(t.element_force(5), half, kTol);
  EXPECT_NEAR(t.element_force(6), -half, kTol);
  EXPECT_NEAR(t.global_force(3), 0.0f, kTol);
  EXPECT_NEAR(t.axial_resultant(), 2.0f * half, kTol);
  EXPECT_NEAR(t.axial_resultant_position(), g.elements[1].length() / 2.0f, kTol);

  // Across the axis: the element's own normal.
  auto n = testing::WholeLoad(g, 1, 'N', 10.0f, 10.0f);
  IntegrateLineLoad(n, g.elements[1], g.nodes);
  EXPECT_NEAR(n.global_force(1), -half * 0.70711f, kTol);
  EXPECT_NEAR(n.global_force(2), half * 0.70711f, kTol);
}

TEST(LineLoadIntegration, AlongTheAxisOfAHorizontalElement) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'T', 10.0f, 10.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  ExpectBlock(load, {30, 0, 0, 30, 0, 0}, {0, 0, 0, 0, 30, -30});
}

TEST(LineLoadIntegration, UnknownDirectionKeepsTheStoredComponents) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Q', 99.0f, 99.0f);
  load.set_normal_a(10.0f);
  load.set_normal_b(10.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_FLOAT_EQ(load.normal_a(), 10.0f);
  EXPECT_NEAR(load.global_force(2), 30.0f, kTol);
}

TEST(LineLoadIntegration, ShortElementIsTakenAsOneMetre) {
  Geometry g = MakeGeometry({Bar{{0, 0}, {0.005f, 0}}});
  auto load = testing::WholeLoad(g, 1, 'Y', 10.0f, 10.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  EXPECT_NEAR(load.global_force(2), 5.0f, kTol);
  EXPECT_NEAR(load.normal_resultant(), 10.0f, kTol);
  EXPECT_NEAR(load.normal_resultant_position(), 0.5f, kTol);
}

TEST(LineLoadIntegration, NoLoadGivesZeros) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Y', 0.0f, 0.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(load.global_force(k), 0.0f);
  EXPECT_EQ(load.normal_resultant(), 0.0f);
  EXPECT_EQ(load.normal_resultant_position(), 0.0f);
}

// A stretch that begins and ends at one point carries nothing: no division by
// its zero length.
TEST(LineLoadIntegration, StretchOfNoLengthGivesZerosNotNaN) {
  const Geometry g = Horizontal();
  auto load = testing::WholeLoad(g, 1, 'Y', 5.0f, 10.0f);
  load.set_whole_element(0);
  load.set_xa(3.0f);
  load.set_xb(3.0f);
  IntegrateLineLoad(load, g.elements[1], g.nodes);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(load.global_force(k), 0.0f) << k;
  EXPECT_EQ(load.normal_slope(), 0.0f);
  EXPECT_EQ(load.normal_resultant(), 0.0f);
}

TEST(NodeAtPoint, HighestNumberWithinTheRadius) {
  common::NodeTable nodes;
  auto add = [&nodes](float x, float y) {
    common::NodeRecord n;
    n.set_x(x);
    n.set_y(y);
    nodes.Append(n);
  };
  add(0.0f, 0.0f);
  add(0.03f, 0.0f);  // also within 0.05 of the origin
  add(0.0f, 0.06f);  // beyond it
  EXPECT_EQ(NodeAtPoint(nodes, 0.0f, 0.0f), 2);
  EXPECT_EQ(NodeAtPoint(nodes, 0.0f, 0.06f), 3);
  EXPECT_EQ(NodeAtPoint(nodes, 5.0f, 5.0f), 0);
}

}  // namespace
}  // namespace pundf
