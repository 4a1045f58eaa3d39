#include "mechanics/curves/state_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "mechanics/curves/line_load_deflection.h"

namespace {

using mechanics::kSamples;
using mechanics::LineLoadOnElement;
using mechanics::SampleX;

constexpr double kL = 6.0;
constexpr double kEi = 32000.0;

LineLoadOnElement Across(double s0, double s1, double q0, double q1) {
  LineLoadOnElement load;
  load.length = kL;
  load.start = s0;
  load.end = s1;
  load.across_at_start = q0;
  load.across_slope = q1;
  return load;
}

struct Span {
  double m, v;
};

// The moment and shear of the load on the simply supported span at x, by brute-force midpoint sums.
Span SpanByParts(const LineLoadOnElement& load, double x) {
  const int steps = 200000;
  const double ds = (load.end - load.start) / steps;
  double about_end = 0.0, moment_to_x = 0.0, load_to_x = 0.0;
  for (int k = 0; k < steps; ++k) {
    const double s = load.start + (k + 0.5) * ds;
    const double q = (load.across_at_start + load.across_slope * s) * ds;
    about_end += q * (kL - s);
    if (s < x) {
      moment_to_x += q * (x - s);
      load_to_x += q;
    }
  }
  return {about_end / kL * x - moment_to_x, about_end / kL - load_to_x};
}

TEST(FixedEndStateLines, UniformLoadOnTheSimplySupportedSpan) {
  const mechanics::StateLines s = mechanics::FixedEndStateLines(Across(0, kL, 10, 0));
  EXPECT_NEAR(s.m(26), 10 * kL * kL / 8, 1e-9);
  EXPECT_NEAR(s.m(1), 0.0, 1e-12);
  EXPECT_NEAR(s.m(51), 0.0, 1e-9);
  EXPECT_NEAR(s.v(1), 30.0, 1e-9);
  EXPECT_NEAR(s.v(26), 0.0, 1e-9);
  EXPECT_NEAR(s.v(51), -30.0, 1e-9);
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, kL);
    EXPECT_NEAR(s.m(i), 10 * x * (kL - x) / 2, 1e-9) << i;
    EXPECT_EQ(s.n(i), 0.0);
  }
}

TEST(FixedEndStateLines, EndMomentsGiveTheBaseLineAndTheShear) {
  LineLoadOnElement load = Across(0, kL, 10, 0);
  load.moment_at_start = -30;
  load.moment_at_end = -18;
  const mechanics::StateLines s = mechanics::FixedEndStateLines(load);
  EXPECT_NEAR(s.m(1), -30.0, 1e-9);
  EXPECT_NEAR(s.m(51), -18.0, 1e-9);
  EXPECT_NEAR(s.m(26), -24.0 + 45.0, 1e-9);
  EXPECT_NEAR(s.v(1), 30.0 + 12.0 / kL, 1e-9);
}

// Between the samples, at the station of a release, the forces follow the load as at them.
TEST(FixedEndForcesAt, AnyPlaceAlongTheElement) {
  LineLoadOnElement load = Across(1.0, 4.0, 6.0, 2.0);
  load.along_at_start = 3.0;
  load.moment_at_start = -30;
  load.moment_at_end = -18;
  for (const double x : {0.0, 0.1, 1.05, 3.3, 4.7, kL}) {
    const Span span = SpanByParts(load, x);
    const mechanics::SectionForces f = mechanics::FixedEndForcesAt(load, x);
    EXPECT_NEAR(f.m, span.m + (1 - x / kL) * -30.0 + x / kL * -18.0, 1e-6) << x;
    EXPECT_NEAR(f.v, span.v + 12.0 / kL, 5e-4) << x;  // the sums take whole parts of the load
    EXPECT_NEAR(f.n, -3.0 * (std::clamp(x, 1.0, 4.0) - 1.0), 1e-12) << x;
  }
  const mechanics::StateLines lines = mechanics::FixedEndStateLines(load);
  for (int i = 1; i <= kSamples; ++i) {
    const mechanics::SectionForces f = mechanics::FixedEndForcesAt(load, SampleX(i, kL));
    EXPECT_EQ(f.m, lines.m(i)) << i;
    EXPECT_EQ(f.v, lines.v(i)) << i;
  }
}

TEST(FixedEndStateLines, PartialLoad) {
  LineLoadOnElement load = Across(2, 4, 10, 0);
  load.along_at_start = 5;
  load.along_slope = 1;
  load.normal_force_at_start = 7;
  const mechanics::StateLines s = mechanics::FixedEndStateLines(load);
  EXPECT_NEAR(s.m(26), 25.0, 1e-9);
  EXPECT_NEAR(s.v(1), 10.0, 1e-9);
  EXPECT_NEAR(s.v(51), -10.0, 1e-9);
  // The normal force is constant before and beyond the stretch; the axial load on it is
  // 5 * 2 + (16 - 4) / 2 = 16.
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, kL);
    if (x < 2) {
      EXPECT_NEAR(s.n(i), 7.0, 1e-12) << i;
    } else if (x > 4) {
      EXPECT_NEAR(s.n(i), 7.0 - 16.0, 1e-12) << i;
    }
  }
  EXPECT_NEAR(s.n(26), 7.0 - (5.0 + 0.5 * 5.0), 1e-12);  // x = 3
}

TEST(FixedEndStateLines, LoadsThatCancelOrChangeSignHaveTheirSpanMoment) {
  const std::vector<LineLoadOnElement> loads = {
      Across(0, kL, 10, -20 / kL),  // 10 at the start, -10 at the end
      Across(1, 5, 8, -4),          // 4 at 1, -12 at 5: changes sign at 2
      Across(2, 4, -6, 3),          // 0 at 2, 6 at 4: zero at the start of the stretch
      Across(1.5, 4.4, 3, 0.7),
  };
  for (const LineLoadOnElement& load : loads) {
    const mechanics::StateLines s = mechanics::FixedEndStateLines(load);
    for (int i = 1; i <= kSamples; ++i) {
      const Span expected = SpanByParts(load, SampleX(i, kL));
      ASSERT_TRUE(std::isfinite(s.m(i)) && std::isfinite(s.v(i)));
      EXPECT_NEAR(s.m(i), expected.m, 1e-6) << "q0 " << load.across_at_start << " sample " << i;
      EXPECT_NEAR(s.v(i), expected.v, 1e-4) << "q0 " << load.across_at_start << " sample " << i;
    }
  }
  // The antisymmetric load: its couple q l^2 / 6 gives A = q l / 6; M is 0 in the middle.
  const mechanics::StateLines s = mechanics::FixedEndStateLines(loads[0]);
  EXPECT_NEAR(s.v(1), 10.0, 1e-9);
  EXPECT_NEAR(s.m(26), 0.0, 1e-9);
}

TEST(FixedEndStateLines, AStretchEndingBeforeItStartsCarriesNoLoad) {
  LineLoadOnElement load = Across(4, 2, 10, 0);
  load.moment_at_start = 6;
  load.moment_at_end = -6;
  const mechanics::StateLines s = mechanics::FixedEndStateLines(load);
  for (int i = 1; i <= kSamples; ++i) {
    EXPECT_NEAR(s.m(i), 6.0 - 12.0 * SampleX(i, kL) / kL, 1e-9);
    EXPECT_NEAR(s.v(i), -2.0, 1e-12);
  }
}

TEST(LineLoadDeflection, WholeElementAndItsPartsAgree) {
  const mechanics::CurveLine uniform = mechanics::LineLoadDeflection(Across(0, kL, 10, 0), kEi);
  EXPECT_NEAR(uniform(26), 10 * std::pow(kL, 4) / (384 * kEi), 1e-12);
  EXPECT_EQ(uniform(1), 0.0);
  EXPECT_NEAR(uniform(51), 0.0, 1e-15);
  // A linear load over the whole element (closed form) is the sum of its two parts (integrated).
  for (double split : {3.0, 2.2}) {
    const mechanics::CurveLine whole = mechanics::LineLoadDeflection(Across(0, kL, 4, 1.5), kEi);
    const mechanics::CurveLine first = mechanics::LineLoadDeflection(Across(0, split, 4, 1.5), kEi);
    const mechanics::CurveLine second = mechanics::LineLoadDeflection(Across(split, kL, 4, 1.5), kEi);
    for (int i = 1; i <= kSamples; ++i) EXPECT_NEAR(first(i) + second(i), whole(i), 1e-14) << i;
  }
  // A symmetric partial load deflects symmetrically; nothing for an empty stretch.
  const mechanics::CurveLine middle = mechanics::LineLoadDeflection(Across(2, 4, 10, 0), kEi);
  for (int i = 1; i <= 25; ++i) EXPECT_NEAR(middle(i), middle(52 - i), 1e-15);
  const mechanics::CurveLine empty = mechanics::LineLoadDeflection(Across(3, 3, 10, 0), kEi);
  for (int i = 1; i <= kSamples; ++i) EXPECT_EQ(empty(i), 0.0);
}

}  // namespace
