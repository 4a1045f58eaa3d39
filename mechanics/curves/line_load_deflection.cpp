#include "mechanics/curves/line_load_deflection.h"

#include <algorithm>

#include "mechanics/curves/beam_shapes.h"
#include "mechanics/curves/gauss_legendre.h"
#include "mechanics/element_stiffness.h"

namespace mechanics {
namespace {

// q_a at the start, q_b at the end: each end value's part is the deflection of the triangular
// load that peaks there, (2 - 3r + r^3) r^2 l^4 q / (120 EI), r = 1 at that end.
CurveLine WholeElement(double l, double qa, double qb, double ei) {
  CurveLine w;
  const double f = l * l * l * l / (120.0 * ei);
  for (int i = 1; i <= kSamples; ++i) {
    const double xi = SampleX(i, l) / l;
    const double eta = 1.0 - xi;
    w(i) = (2.0 - 3.0 * eta + eta * eta * eta) * eta * eta * f * qa +
           (2.0 - 3.0 * xi + xi * xi * xi) * xi * xi * f * qb;
  }
  return w;
}

// The integrand is a polynomial of degree 4 on either side of x.
CurveLine Partial(double l, double s0, double s1, double q0, double q1, double ei) {
  CurveLine w;
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    auto load = [&](double s) { return ClampedForceDeflection(x, s, l, ei) * (q0 + q1 * s); };
    double sum = 0.0;
    if (x > s0) sum += Integrate(s0, std::min(x, s1), load);
    if (x < s1) sum += Integrate(std::max(x, s0), s1, load);
    w(i) = sum;
  }
  return w;
}

}  // namespace

CurveLine LineLoadDeflection(const LineLoadOnElement& load, double ei) {
  const double l = std::max(load.length, kShortestElementLength);
  const double q0 = load.across_at_start, q1 = load.across_slope;
  if (load.start <= 0.0 && load.end >= l) return WholeElement(l, q0, q0 + q1 * l, ei);
  const double s0 = std::max(load.start, 0.0), s1 = std::min(load.end, l);
  if (!(s1 > s0)) return CurveLine{};
  return Partial(l, s0, s1, q0, q1, ei);
}

}  // namespace mechanics
