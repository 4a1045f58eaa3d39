// Element geometry: projections, length, direction terms, angle and the
// left-to-right storage of an element.
#include "geometry/model/bar_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "geometry/tests/frame_builder.h"

namespace kelmf {
namespace {

using testing::Bar;
using testing::MakeElement;

constexpr double kPi = std::numbers::pi;

struct GeometryCase {
  std::string name;
  double xa, ya, xb, yb;
  std::uint8_t convention;
  double length, cosine, sine, angle;
  int result;
};

TEST(BarGeometry, Table) {
  const GeometryCase cases[] = {
      {"3-4-5", 0, 0, 3, 4, 1, 5.0, 0.6, 0.8, 0.9272952, 1},
      {"vertical up", 1, 0, 1, 5, 1, 5.0, 0.0, 1.0, kPi / 2, 1},
      {"vertical down", 1, 5, 1, 0, 1, 5.0, 0.0, -1.0, kPi / 2, 1},
      {"almost flat", 0, 0, 10, 0.05, 1, 10.000125, 0.99999, 0.005, 0.0, 1},
      {"zero length", 2, 3, 2, 3, 1, 0.0, 0.1, 0.1, kPi / 4, 0},
      {"convention 0 adds pi", 0, 0, 3, 4, 0, 5.0, 0.6, 0.8, 0.9272952 + kPi, 1},
      {"horizontal, convention 0", 0, 0, 4, 0, 0, 4.0, 1.0, 0.0, kPi, 1},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.name);
    const BarGeometry g = ComputeBarGeometry(c.xa, c.ya, c.xb, c.yb, c.convention);
    EXPECT_NEAR(g.dx, c.xb - c.xa, 1e-12);
    EXPECT_NEAR(g.dy, c.yb - c.ya, 1e-12);
    EXPECT_NEAR(g.length, c.length, 1e-6);
    EXPECT_NEAR(g.cosine, c.cosine, 1e-5);
    EXPECT_NEAR(g.sine, c.sine, 1e-5);
    EXPECT_NEAR(g.angle, c.angle, 1e-6);
    EXPECT_EQ(g.result, c.result);
  }
}

TEST(ElementGeometry, StoresTheTermsAtTheirPlaces) {
  common::ElementRecord e = MakeElement({0, 0, 3, -4});  // z = -4 is y = 4
  common::FrameParams params;
  params.set_angle_convention(1);
  ComputeElementGeometry(e, params);
  EXPECT_FLOAT_EQ(e.dx(), 3.0f);
  EXPECT_FLOAT_EQ(e.dy(), 4.0f);
  EXPECT_FLOAT_EQ(e.length(), 5.0f);
  EXPECT_FLOAT_EQ(e.cosine(), 0.6f);
  EXPECT_FLOAT_EQ(e.sine(), 0.8f);
  EXPECT_FLOAT_EQ(e.minus_sine(), -0.8f);
  EXPECT_FLOAT_EQ(e.normal_cosine(), 0.6f);
  EXPECT_NEAR(e.angle(), 0.9272952f, 1e-6);
}

TEST(ElementGeometry, ElementDrawnRightToLeftIsStoredLeftToRightWithItsEnds) {
  common::ElementRecord e = MakeElement({6, -2, 0, 0, /*hinge_a=*/1, /*hinge_b=*/0});
  e.set_node_a(7);
  e.set_node_b(3);
  for (int k = 1; k <= 6; ++k) e.set_dof(k, static_cast<std::int16_t>(10 * k));
  e.set_compression_flag(1);
  e.set_tension_flag(0);
  common::FrameParams params;
  params.set_angle_convention(1);
  ComputeElementGeometry(e, params);

  EXPECT_FLOAT_EQ(e.xa(), 0.0f);
  EXPECT_FLOAT_EQ(e.za(), 0.0f);
  EXPECT_FLOAT_EQ(e.xb(), 6.0f);
  EXPECT_FLOAT_EQ(e.yb(), 2.0f);
  EXPECT_FLOAT_EQ(e.zb(), -2.0f);
  EXPECT_EQ(e.hinge_a(), 0);  // the hinge stays at the point (6, -2), now end b
  EXPECT_EQ(e.hinge_b(), 1);
  EXPECT_EQ(e.node_a(), 3);
  EXPECT_EQ(e.node_b(), 7);
  EXPECT_EQ(e.dof(1), 40);
  EXPECT_EQ(e.dof(6), 30);
  EXPECT_EQ(e.compression_flag(), 1);  // the element's own flags stay
  EXPECT_EQ(e.tension_flag(), 0);
  // The terms are those of the stored direction, left to right.
  EXPECT_FLOAT_EQ(e.dx(), 6.0f);
  EXPECT_FLOAT_EQ(e.dy(), 2.0f);
  EXPECT_GT(e.cosine(), 0.0f);
  EXPECT_FLOAT_EQ(e.sine(), e.dy() / e.length());
  EXPECT_NEAR(e.angle(), std::atan2(2.0, 6.0), 1e-6);
}

TEST(ElementGeometry, VerticalAndZeroLengthElementsKeepTheirEnds) {
  common::FrameParams params;
  params.set_angle_convention(1);
  common::ElementRecord down = MakeElement({1, -5, 1, 0, 1, 0});
  ComputeElementGeometry(down, params);
  EXPECT_FLOAT_EQ(down.ya(), 5.0f);
  EXPECT_EQ(down.hinge_a(), 1);
  EXPECT_FLOAT_EQ(down.sine(), -1.0f);

  common::ElementRecord point = MakeElement({2, 2, 2, 2});
  ComputeElementGeometry(point, params);
  EXPECT_FLOAT_EQ(point.cosine(), 0.1f);
  EXPECT_FLOAT_EQ(point.sine(), 0.1f);
  EXPECT_FLOAT_EQ(point.length(), 0.0f);
  EXPECT_NEAR(point.angle(), kPi / 4, 1e-6);
}

}  // namespace
}  // namespace kelmf
