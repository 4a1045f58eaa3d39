#include "mechanics/curves/element_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "mechanics/element_loads.h"

namespace {

using mechanics::ElementCurves;
using mechanics::kSamples;
using mechanics::PointLoadKind;
using mechanics::PointLoadOnElement;

constexpr double kL = 6.0;
constexpr double kH = kL / 50.0;
const mechanics::Rigidity kRigidity{2.4e6, 32000.0};

PointLoadOnElement Load(PointLoadKind kind, double a) {
  PointLoadOnElement load;
  load.kind = static_cast<int>(kind);
  load.a = a;
  load.across = 20.0;
  load.along = 8.0;
  load.moment = 12.0;
  load.value = kind == PointLoadKind::kKink ? 0.002 : 0.003;
  return load;
}

// The samples i - 1, i, i + 1 all lie on one side of a.
bool OneSide(int i, double a) {
  const double lo = mechanics::SampleX(i - 1, kL), hi = mechanics::SampleX(i + 1, kL);
  return hi < a - 1e-9 || lo > a + 1e-9;
}

// Between the loads, w is a cubic and M a straight line, so these differences are exact.
void ExpectBeamRelations(const ElementCurves& c, double a, double scale, const std::string& what) {
  for (int i = 2; i < kSamples; ++i) {
    if (!OneSide(i, a)) continue;
    const double curvature = (c.w(i - 1) - 2 * c.w(i) + c.w(i + 1)) / (kH * kH);
    EXPECT_NEAR(c.m(i), -kRigidity.ei * curvature, 1e-6 * scale) << what << " M = -EI w'' at " << i;
    EXPECT_NEAR(c.v(i), (c.m(i + 1) - c.m(i - 1)) / (2 * kH), 1e-6 * scale) << what << " V = dM/dx at " << i;
  }
}

// The held element: no displacement at its ends and no rotation; its end forces are the
// equivalent nodal forces of the load vector.
void ExpectHeldEnds(const ElementCurves& c, const mechanics::NodalForces& f, double scale, const std::string& what) {
  const double wscale = scale * 1e-6;
  EXPECT_NEAR(c.w(1), 0.0, wscale) << what;
  EXPECT_NEAR(c.w(kSamples), 0.0, wscale) << what;
  EXPECT_NEAR(c.u(1), 0.0, wscale) << what;
  EXPECT_NEAR(c.u(kSamples), 0.0, wscale) << what;
  // The slope at each end from the cubic through its first four samples.
  const double start = (-11 * c.w(1) + 18 * c.w(2) - 9 * c.w(3) + 2 * c.w(4)) / (6 * kH);
  const double end = (11 * c.w(51) - 18 * c.w(50) + 9 * c.w(49) - 2 * c.w(48)) / (6 * kH);
  EXPECT_NEAR(start, 0.0, wscale) << what;
  EXPECT_NEAR(end, 0.0, wscale) << what;
  EXPECT_NEAR(c.m(1), f(3), 1e-9 * scale) << what;
  EXPECT_NEAR(c.m(kSamples), -f(6), 1e-9 * scale) << what;
  EXPECT_NEAR(c.n(1), f(1), 1e-9 * scale) << what;
  EXPECT_NEAR(c.n(kSamples), -f(4), 1e-9 * scale) << what;
  EXPECT_NEAR(c.v(kSamples), -f(5), 1e-9 * scale) << what;
}

TEST(PointLoadCurves, EveryKindIsABeamHeldAtItsEnds) {
  const mechanics::LoadAxes own{kL, 1.0, 0.0};
  struct Case {
    PointLoadKind kind;
    double a;
  };
  const std::vector<Case> cases = {
      {PointLoadKind::kForce, 2.2},       {PointLoadKind::kForce, 3.0},
      {PointLoadKind::kMoment, 2.2},      {PointLoadKind::kMoment, 4.5},
      {PointLoadKind::kKink, 2.2},        {PointLoadKind::kKink, 3.0},
      {PointLoadKind::kTransverseDislocation, 2.2}, {PointLoadKind::kAxialDislocation, 2.2},
  };
  for (const Case& k : cases) {
    const PointLoadOnElement load = Load(k.kind, k.a);
    const ElementCurves c = mechanics::PointLoadCurves(load, kL, kRigidity);
    mechanics::NodalForces f;
    switch (k.kind) {
      case PointLoadKind::kForce: f = mechanics::PointForceForces(own, k.a, load.across, load.along); break;
      case PointLoadKind::kMoment: f = mechanics::PointMomentForces(own, k.a, load.moment); break;
      case PointLoadKind::kKink: f = mechanics::KinkForces(own, k.a, load.value, kRigidity.ei); break;
      case PointLoadKind::kTransverseDislocation:
        f = mechanics::TransverseDislocationForces(own, load.value, kRigidity.ei);
        break;
      case PointLoadKind::kAxialDislocation:
        f = mechanics::AxialDislocationForces(own, load.value, kRigidity.ea);
        break;
    }
    const std::string what = "kind " + std::to_string(static_cast<int>(k.kind)) + " at " + std::to_string(k.a);
    double scale = 1.0;
    for (int d = 1; d <= 6; ++d) scale = std::max(scale, std::fabs(f(d)));
    ExpectHeldEnds(c, f, scale, what);
    ExpectBeamRelations(c, k.a, scale, what);
    EXPECT_NEAR(c.v(1), f(2), 1e-9 * scale) << what;
    if (k.kind != PointLoadKind::kForce) {
      for (int i = 1; i <= kSamples; ++i) EXPECT_NEAR(c.v(i), c.v(1), 1e-9 * scale) << what;
    }
  }
}

TEST(PointLoadCurves, TextbookValuesAtMidspan) {
  const double p = 20.0, ei = kRigidity.ei;
  ElementCurves c = mechanics::PointLoadCurves(Load(PointLoadKind::kForce, 3.0), kL, kRigidity);
  EXPECT_NEAR(c.w(26), p * kL * kL * kL / (192 * ei), 1e-12);
  EXPECT_NEAR(c.m(26), p * kL / 8, 1e-9);
  EXPECT_NEAR(c.m(1), -p * kL / 8, 1e-9);
  EXPECT_NEAR(c.v(26), p / 2, 1e-9);  // up to the force
  EXPECT_NEAR(c.v(27), -p / 2, 1e-9);
  EXPECT_NEAR(c.n(26), 4.0, 1e-9);  // half of the axial force on either side
  EXPECT_NEAR(c.n(27), -4.0, 1e-9);
  EXPECT_NEAR(c.u(26), 4.0 * 3.0 / kRigidity.ea, 1e-15);

  c = mechanics::PointLoadCurves(Load(PointLoadKind::kMoment, 3.0), kL, kRigidity);
  EXPECT_NEAR(c.m(26), -6.0, 1e-9);  // half the moment, jumping to the other half
  EXPECT_NEAR(c.m(27) - c.m(26) - c.v(26) * kH, 12.0, 1e-9);
  EXPECT_NEAR(c.w(26), 0.0, 1e-15);

  c = mechanics::PointLoadCurves(Load(PointLoadKind::kKink, 3.0), kL, kRigidity);
  EXPECT_NEAR(c.w(26), 0.002 * kL / 8, 1e-12);  // each half a guided cantilever turned by half the kink
  EXPECT_NEAR(c.v(26), 0.0, 1e-9);

  c = mechanics::PointLoadCurves(Load(PointLoadKind::kTransverseDislocation, 3.0), kL, kRigidity);
  EXPECT_NEAR(c.w(26), -0.0015, 1e-12);  // half the jump below, half above
  EXPECT_NEAR(c.w(30), -c.w(22), 1e-15);
  c = mechanics::PointLoadCurves(Load(PointLoadKind::kAxialDislocation, 3.0), kL, kRigidity);
  EXPECT_NEAR(c.u(26), -0.0015, 1e-12);
  EXPECT_NEAR(c.n(1), -0.003 * kRigidity.ea / kL, 1e-9);
}

TEST(PointLoadCurves, AForceOrMomentAtTheStartNodeLeavesTheShearAlone) {
  for (PointLoadKind kind : {PointLoadKind::kForce, PointLoadKind::kMoment}) {
    const ElementCurves c = mechanics::PointLoadCurves(Load(kind, 0.005), kL, kRigidity);
    for (int i = 1; i <= kSamples; ++i) EXPECT_EQ(c.v(i), 0.0) << static_cast<int>(kind);
  }
  // A kink close to the start still acts on the whole element.
  const ElementCurves kink = mechanics::PointLoadCurves(Load(PointLoadKind::kKink, 0.05), kL, kRigidity);
  EXPECT_NE(kink.v(26), 0.0);
  EXPECT_NE(kink.w(26), 0.0);
}

TEST(PointLoadCurves, NegativeDistanceOrUnknownKindActsOnNothing) {
  PointLoadOnElement load = Load(PointLoadKind::kForce, -1.0);
  const PointLoadOnElement unknown = [] {
    PointLoadOnElement l = Load(PointLoadKind::kForce, 2.0);
    l.kind = 3;
    return l;
  }();
  for (const PointLoadOnElement& l : {load, unknown}) {
    const ElementCurves c = mechanics::PointLoadCurves(l, kL, kRigidity);
    for (int i = 1; i <= kSamples; ++i) {
      EXPECT_EQ(c.u(i), 0.0);
      EXPECT_EQ(c.w(i), 0.0);
      EXPECT_EQ(c.m(i), 0.0);
      EXPECT_EQ(c.v(i), 0.0);
      EXPECT_EQ(c.n(i), 0.0);
    }
  }
}

TEST(EndDisplacementCurves, EachEndValueGivesItsShape) {
  struct Case {
    mechanics::EndValues ends;
    const char* what;
  };
  const Case cases[] = {
      {{0, 0.01, 0, 0, 0, 0}, "start deflection"}, {{0, 0, 0.002, 0, 0, 0}, "start rotation"},
      {{0, 0, 0, 0, 0.01, 0}, "end deflection"},   {{0, 0, 0, 0, 0, 0.002}, "end rotation"},
      {{0.001, 0, 0, 0.003, 0, 0}, "axial"},
  };
  for (const Case& k : cases) {
    const ElementCurves c = mechanics::EndDisplacementCurves(k.ends, kL, kRigidity);
    EXPECT_NEAR(c.w(1), k.ends.transverse_a, 1e-15) << k.what;
    EXPECT_NEAR(c.w(51), k.ends.transverse_b, 1e-15) << k.what;
    EXPECT_NEAR(c.u(1), k.ends.axial_a, 1e-15) << k.what;
    EXPECT_NEAR(c.u(51), k.ends.axial_b, 1e-15) << k.what;
    const double start = (-11 * c.w(1) + 18 * c.w(2) - 9 * c.w(3) + 2 * c.w(4)) / (6 * kH);
    const double end = (11 * c.w(51) - 18 * c.w(50) + 9 * c.w(49) - 2 * c.w(48)) / (6 * kH);
    EXPECT_NEAR(-start, k.ends.rotation_a, 1e-12) << k.what;  // phi = -w'
    EXPECT_NEAR(-end, k.ends.rotation_b, 1e-12) << k.what;
    ExpectBeamRelations(c, -1.0, 100.0, k.what);
    EXPECT_NEAR(c.n(26), kRigidity.ea * (k.ends.axial_b - k.ends.axial_a) / kL, 1e-9) << k.what;
  }
  // A start rotation: end moments 4EI/l phi and 2EI/l phi against it.
  const ElementCurves c = mechanics::EndDisplacementCurves({0, 0, 0.002, 0, 0, 0}, kL, kRigidity);
  EXPECT_NEAR(c.m(1), -4 * kRigidity.ei / kL * 0.002, 1e-9);
  EXPECT_NEAR(c.m(51), 2 * kRigidity.ei / kL * 0.002, 1e-9);
}

TEST(LineLoadCurves, AnAxialLoadStretchesTheHeldElement) {
  // 10 kN/m along the axis on [2, 4] of the held element: N = 10 before the load, -10 beyond it,
  // and u = the integral of N / EA, back to 0 at the end.
  mechanics::LineLoadOnElement load;
  load.length = kL;
  load.start = 2.0;
  load.end = 4.0;
  load.along_at_start = 10.0;
  load.normal_force_at_start = 10.0;
  ElementCurves c = mechanics::LineLoadCurves(load, kRigidity);
  const double ea = kRigidity.ea;
  EXPECT_NEAR(c.n(11), 10.0, 1e-12);
  EXPECT_NEAR(c.u(1), 0.0, 1e-18);
  EXPECT_NEAR(c.u(11), 12.0 / ea, 1e-15);  // x = 1.2
  EXPECT_NEAR(c.u(26), 25.0 / ea, 1e-15);  // x = 3
  EXPECT_NEAR(c.u(51), 0.0, 1e-15);

  // The whole element under t = 10 - 2x: u = (Na x - t's double integral) / EA.
  load.start = 0.0;
  load.end = kL;
  load.along_slope = -2.0;
  load.normal_force_at_start = 30.0 - 2.0 * 6.0;  // the integral of (1 - x/l) t
  c = mechanics::LineLoadCurves(load, kRigidity);
  for (int i = 1; i <= kSamples; ++i) {
    const double x = mechanics::SampleX(i, kL);
    EXPECT_NEAR(c.u(i), (18.0 * x - 5.0 * x * x + x * x * x / 3.0) / ea, 1e-15) << i;
  }
}

TEST(TemperatureCurves, RestraintForceAndMoment) {
  const ElementCurves c = mechanics::TemperatureCurves(1e-5, 20.0, 10.0, 0.4, kRigidity);
  for (int i = 1; i <= kSamples; ++i) {
    EXPECT_NEAR(c.n(i), -480.0, 1e-9);
    EXPECT_NEAR(c.m(i), -8.0, 1e-9);
    EXPECT_EQ(c.w(i), 0.0);  // a held element under a gradient does not deflect
    EXPECT_EQ(c.u(i), 0.0);
    EXPECT_EQ(c.v(i), 0.0);
  }
}

}  // namespace
