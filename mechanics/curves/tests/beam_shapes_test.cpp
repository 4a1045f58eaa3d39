#include "mechanics/curves/beam_shapes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "mechanics/curves/gauss_legendre.h"
#include "mechanics/sample_lines.h"

namespace {

using mechanics::ClampedForceDeflection;
using mechanics::ClampedMomentDeflection;

constexpr double kL = 6.0;
constexpr double kEi = 32000.0;

TEST(BeamShapes, ShapesInterpolateTheEndValues) {
  const double l = 4.0, h = 1e-6;
  const mechanics::CubicShapes start = mechanics::ShapesAt(0.0, l);
  const mechanics::CubicShapes end = mechanics::ShapesAt(l, l);
  EXPECT_DOUBLE_EQ(start.h1, 1.0);
  EXPECT_DOUBLE_EQ(end.h3, 1.0);
  for (double v : {start.h2, start.h3, start.h4, end.h1, end.h2, end.h4}) EXPECT_NEAR(v, 0.0, 1e-12);
  // phi = -w': h2 gives the start a unit rotation, h4 the end.
  EXPECT_NEAR((mechanics::ShapesAt(h, l).h2 - start.h2) / h, -1.0, 1e-5);
  EXPECT_NEAR((end.h4 - mechanics::ShapesAt(l - h, l).h4) / h, -1.0, 1e-5);
  // The curvatures are the second derivatives.
  for (double x : {0.3, 1.7, 3.9}) {
    const auto c = mechanics::ShapeCurvaturesAt(x, l);
    const auto m = mechanics::ShapesAt(x - 1e-3, l);
    const auto z = mechanics::ShapesAt(x, l);
    const auto p = mechanics::ShapesAt(x + 1e-3, l);
    EXPECT_NEAR((m.h1 - 2 * z.h1 + p.h1) / 1e-6, c.h1, 1e-6);
    EXPECT_NEAR((m.h2 - 2 * z.h2 + p.h2) / 1e-6, c.h2, 1e-6);
    EXPECT_NEAR((m.h3 - 2 * z.h3 + p.h3) / 1e-6, c.h3, 1e-6);
    EXPECT_NEAR((m.h4 - 2 * z.h4 + p.h4) / 1e-6, c.h4, 1e-6);
  }
}

TEST(BeamShapes, ClampedForceDeflectionIsTheClampedBeamTable) {
  const mechanics::SampleTable table = mechanics::ClampedBeamTable(kL, kEi);
  for (int i = 1; i <= mechanics::kSamples; i += 5) {
    for (int s = 1; s <= mechanics::kSamples; s += 3) {
      const double g = ClampedForceDeflection(mechanics::SampleX(i, kL), mechanics::SampleX(s, kL), kL, kEi);
      EXPECT_NEAR(g, table(i, s), 1e-9) << i << " " << s;
    }
  }
  EXPECT_NEAR(ClampedForceDeflection(3.0, 3.0, kL, kEi), kL * kL * kL / (192.0 * kEi), 1e-15);
  // Off the grid: a^3 b^3 / (3 EI l^3) under the force, symmetric in x and a.
  EXPECT_NEAR(ClampedForceDeflection(2.2, 2.2, kL, kEi), std::pow(2.2 * 3.8, 3) / (3.0 * kEi * 216.0), 1e-15);
  EXPECT_NEAR(ClampedForceDeflection(1.1, 4.7, kL, kEi), ClampedForceDeflection(4.7, 1.1, kL, kEi), 1e-15);
}

TEST(BeamShapes, ClampedMomentDeflectionIsTheRateOfTheForceDeflection) {
  const double h = 1e-5;
  for (double a : {0.0, 0.7, 3.0, 4.9, 6.0}) {
    for (double x : {0.5, 1.3, 3.1, 5.5}) {
      if (std::fabs(x - a) < 2 * h) continue;
      const double lo = std::max(a - h, 0.0), hi = std::min(a + h, kL);
      const double rate = (ClampedForceDeflection(x, hi, kL, kEi) - ClampedForceDeflection(x, lo, kL, kEi)) / (hi - lo);
      EXPECT_NEAR(ClampedMomentDeflection(x, a, kL, kEi), rate, 1e-9) << "a " << a << " x " << x;
    }
  }
}

TEST(GaussLegendre, IntegratesPolynomialsUpToDegree19) {
  double weights = 0.0;
  for (const auto& p : mechanics::GaussLegendre10()) weights += p.weight;
  EXPECT_NEAR(weights, 1.0, 1e-15);
  EXPECT_LT(mechanics::GaussLegendre10().front().x, mechanics::GaussLegendre10().back().x);
  EXPECT_NEAR(mechanics::Integrate(0.0, 1.0, [](double x) { return std::pow(x, 19); }), 1.0 / 20.0, 1e-15);
  EXPECT_NEAR(mechanics::Integrate(2.0, 5.0, [](double x) { return x * x * x * x; }), (3125.0 - 32.0) / 5.0, 1e-10);
}

}  // namespace
