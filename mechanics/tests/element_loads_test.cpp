#include "mechanics/element_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "mechanics/element_stiffness.h"

namespace {

using mechanics::LoadAxes;
using mechanics::NodalForces;

constexpr double kEa = 2.4e6;
constexpr double kEi = 32000.0;

// An element from (0, 0) to (3, 4) and the same one lying along x.
const LoadAxes kInclined{5.0, 0.6, 0.8};
const LoadAxes kHorizontal{6.0, 1.0, 0.0};

void ExpectForces(const NodalForces& f, const std::vector<double>& expected, double tolerance) {
  for (int k = 1; k <= 6; ++k) EXPECT_NEAR(f(k), expected[k - 1], tolerance) << "entry " << k;
}

// Resultant force and counter-clockwise moment about the start node of the nodal forces; the
// rotation entries count clockwise (phi = -w').
struct Resultant {
  double fx, fy, moment;
};
Resultant ResultantOf(const NodalForces& f, const LoadAxes& axes) {
  const double xb = axes.length * axes.cosine, yb = axes.length * axes.sine;
  return {f(1) + f(4), f(2) + f(5), -f(3) - f(6) + xb * f(5) - yb * f(4)};
}

TEST(ElementLoads, ForceAcrossAHorizontalElement) {
  const double p = 20.0, l = 6.0;
  ExpectForces(PointForceForces(kHorizontal, l / 2, p, 0.0), {0, p / 2, -p * l / 8, 0, p / 2, p * l / 8}, 1e-12);
  ExpectForces(PointForceForces(kHorizontal, 0.0, p, 0.0), {0, p, 0, 0, 0, 0}, 1e-12);
  ExpectForces(PointForceForces(kHorizontal, 2.0, 0.0, 9.0), {6, 0, 0, 3, 0, 0}, 1e-12);
}

TEST(ElementLoads, MomentAtTheStartGoesToTheStartRotationOnly) {
  ExpectForces(PointMomentForces(kInclined, 0.0, 12.0), {0, 0, -12, 0, 0, 0}, 1e-12);
}

TEST(ElementLoads, ForcesAndMomentsCarryTheLoadToTheNodes) {
  const double c = kInclined.cosine, s = kInclined.sine;
  for (double a : {0.0, 1.0, 2.5, 4.2, 5.0}) {
    const Resultant force = ResultantOf(PointForceForces(kInclined, a, 7.0, -3.0), kInclined);
    EXPECT_NEAR(force.fx, -7.0 * s - 3.0 * c, 1e-12) << a;
    EXPECT_NEAR(force.fy, 7.0 * c - 3.0 * s, 1e-12) << a;
    EXPECT_NEAR(force.moment, 7.0 * a, 1e-12) << a;
    const Resultant moment = ResultantOf(PointMomentForces(kInclined, a, 5.0), kInclined);
    EXPECT_NEAR(moment.fx, 0.0, 1e-12);
    EXPECT_NEAR(moment.fy, 0.0, 1e-12);
    EXPECT_NEAR(moment.moment, 5.0, 1e-12) << a;
    const Resultant kink = ResultantOf(KinkForces(kInclined, a, 0.01, kEi), kInclined);
    EXPECT_NEAR(kink.fx, 0.0, 1e-9);
    EXPECT_NEAR(kink.fy, 0.0, 1e-9);
    EXPECT_NEAR(kink.moment, 0.0, 1e-9) << a;
  }
}

// The self-equilibrated loads are the element stiffness times the end displacement they stand for:
// a jump of w (or u, or the free thermal lengthening) at the end node.
TEST(ElementLoads, DislocationsAndTemperatureMatchTheElementStiffness) {
  const mechanics::ElementMatrix k =
      mechanics::ElementStiffness({kEa, kEi}, mechanics::DirectionOfEnds(0.0, 0.0, 3.0, 4.0));
  const double c = kInclined.cosine, s = kInclined.sine;
  auto stiffness_times_end_shift = [&](double du, double dv) {
    std::vector<double> f(6);
    for (int r = 1; r <= 6; ++r) f[r - 1] = k(r, 4) * du + k(r, 5) * dv;
    return f;
  };
  const double d = 0.004;
  ExpectForces(TransverseDislocationForces(kInclined, d, kEi), stiffness_times_end_shift(-s * d, c * d), 1e-6);
  ExpectForces(AxialDislocationForces(kInclined, d, kEa), stiffness_times_end_shift(c * d, s * d), 1e-6);
  const double alpha = 1e-5, t = 20.0, lengthening = alpha * t * kInclined.length;
  ExpectForces(mechanics::TemperatureForces(kInclined, alpha, t, 0.0, kEa, kEi, 0.4),
               stiffness_times_end_shift(c * lengthening, s * lengthening), 1e-6);
}

TEST(ElementLoads, UniformTemperatureForceIsAlphaTEaAndGradientMomentAlphaDtEiOverH) {
  // alpha T EA = 1e-5 * 20 * 2.4e6 = 480, independent of the length; alpha dT EI / h = 8.
  ExpectForces(mechanics::TemperatureForces(kHorizontal, 1e-5, 20.0, 10.0, kEa, kEi, 0.4), {-480, 0, -8, 480, 0, 8}, 1e-9);
  ExpectForces(mechanics::TemperatureForces({12.0, 1.0, 0.0}, 1e-5, 20.0, 0.0, kEa, kEi, 0.4), {-480, 0, 0, 480, 0, 0}, 1e-9);
}

TEST(ElementLoads, PrestressPullsTheEndsTogether) {
  ExpectForces(PrestressForces(kInclined, 100.0), {60, 80, 0, -60, -80, 0}, 1e-12);
}

TEST(ElementLoads, ShortElementsAreComputedWithTheShortestLength) {
  const NodalForces f = mechanics::TransverseDislocationForces({0.0, 1.0, 0.0}, 1.0, 1.0);
  const double l = mechanics::kShortestElementLength;
  EXPECT_NEAR(f(5), 12.0 / (l * l * l), 1e-3);
  EXPECT_TRUE(std::isfinite(mechanics::AxialDislocationForces({0.0, 1.0, 0.0}, 1.0, 1.0)(4)));
}

}  // namespace
