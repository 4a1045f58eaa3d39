#include "mechanics/loads/line_load_end_forces.h"

#include <gtest/gtest.h>

namespace mechanics {
namespace {

struct EndForceCase {
  const char* name;
  double length, s0, s1;
  LinearLoad across;
  double va, vb, ma, mb;
};

// Textbook fixed-end forces of a beam clamped at both ends.
TEST(ClampedLineLoadEndForces, MatchesTextbookValues) {
  const EndForceCase cases[] = {
      // q l / 2 each, q l^2 / 12.
      {"uniform 10 over 6 m", 6.0, 0.0, 6.0, {10.0, 0.0}, 30.0, 30.0, 30.0, -30.0},
      // 0 -> q: 3 q l / 20, 7 q l / 20, q l^2 / 30, q l^2 / 20.
      {"triangle 0 -> 12 over 6 m", 6.0, 0.0, 6.0, {0.0, 2.0}, 10.8, 25.2, 14.4, -21.6},
      // Uniform 10 on [2, 4] of 6 m: symmetric, M = 14.444.
      {"uniform 10 on [2, 4]", 6.0, 2.0, 4.0, {10.0, 0.0}, 10.0, 10.0, 130.0 / 9.0, -130.0 / 9.0},
      {"no load", 6.0, 0.0, 6.0, {0.0, 0.0}, 0.0, 0.0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto f = ClampedLineLoadEndForces(c.length, c.s0, c.s1, LinearLoad{}, c.across);
    EXPECT_NEAR(f.va, c.va, 1e-9);
    EXPECT_NEAR(f.vb, c.vb, 1e-9);
    EXPECT_NEAR(f.ma, c.ma, 1e-9);
    EXPECT_NEAR(f.mb, c.mb, 1e-9);
    EXPECT_EQ(f.na, 0.0);
    EXPECT_EQ(f.nb, 0.0);
  }
}

TEST(ClampedLineLoadEndForces, AxialLoadSplitsByTheLinearShapes) {
  // Uniform 10 along a 6 m element: 30 to each end.
  auto f = ClampedLineLoadEndForces(6.0, 0.0, 6.0, LinearLoad{10.0, 0.0}, LinearLoad{});
  EXPECT_NEAR(f.na, 30.0, 1e-12);
  EXPECT_NEAR(f.nb, 30.0, 1e-12);
  EXPECT_EQ(f.va, 0.0);
  EXPECT_EQ(f.ma, 0.0);
  // 0 -> 6 over 6 m: a third to the start, two thirds to the end.
  f = ClampedLineLoadEndForces(6.0, 0.0, 6.0, LinearLoad{0.0, 1.0}, LinearLoad{});
  EXPECT_NEAR(f.na, 6.0, 1e-12);
  EXPECT_NEAR(f.nb, 12.0, 1e-12);
}

// Whatever the stretch and the load, the end forces balance the load: the
// forces sum to its resultant and the moments about the start to its moment.
TEST(ClampedLineLoadEndForces, BalanceAnyLinearLoad) {
  const double l = 7.5, s0 = 1.25, s1 = 5.5;
  const LinearLoad along{3.0, -0.4};
  const LinearLoad across{-2.0, 1.7};
  const auto f = ClampedLineLoadEndForces(l, s0, s1, along, across);

  auto integral = [&](const LinearLoad& q, int power) {
    // Simpson's rule is exact for these cubics.
    auto g = [&](double x) { return q.At(x) * (power == 0 ? 1.0 : x); };
    return (s1 - s0) / 6.0 * (g(s0) + 4.0 * g((s0 + s1) / 2.0) + g(s1));
  };
  EXPECT_NEAR(f.na + f.nb, integral(along, 0), 1e-9);
  EXPECT_NEAR(f.va + f.vb, integral(across, 0), 1e-9);
  EXPECT_NEAR(f.ma + f.mb + l * f.vb, integral(across, 1), 1e-9);
}

TEST(LoadThrough, ExtendsTheEndValuesToTheStartNode) {
  const auto q = LoadThrough(2.0, 4.0, 4.0, 8.0);
  EXPECT_DOUBLE_EQ(q.slope, 2.0);
  EXPECT_DOUBLE_EQ(q.at_start, 0.0);
  EXPECT_DOUBLE_EQ(q.At(3.0), 6.0);
  // A stretch of no length gives a constant load, not a division by zero.
  const auto flat = LoadThrough(3.0, 5.0, 3.0, 9.0);
  EXPECT_EQ(flat.slope, 0.0);
  EXPECT_EQ(flat.at_start, 5.0);
}

TEST(TrapezoidResultant, ValueAndCentroid) {
  struct Case {
    double qs, qe, stretch, value, offset;
  };
  const Case cases[] = {
      {10.0, 10.0, 6.0, 60.0, 3.0},  // uniform: the middle
      {0.0, 12.0, 6.0, 36.0, 4.0},   // triangle: two thirds
      {12.0, 0.0, 6.0, 36.0, 2.0},
      {4.0, 8.0, 2.0, 12.0, 2.0 * 20.0 / 36.0},
      {5.0, -5.0, 4.0, 0.0, 0.0},  // values cancel: no position
      {0.0, 0.0, 4.0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    const auto r = TrapezoidResultant(c.qs, c.qe, c.stretch);
    EXPECT_NEAR(r.value, c.value, 1e-12) << c.qs << " " << c.qe;
    EXPECT_NEAR(r.offset, c.offset, 1e-12) << c.qs << " " << c.qe;
  }
}

}  // namespace
}  // namespace mechanics
