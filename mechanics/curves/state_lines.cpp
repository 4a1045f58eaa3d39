#include "mechanics/curves/state_lines.h"

#include <algorithm>

#include "mechanics/element_stiffness.h"

namespace mechanics {
namespace {

// The load across the axis on [s0, y]: its resultant and its moment about a point x >= y.
struct Stretch {
  double s0, q0, q1;

  double At(double s) const { return q0 + q1 * s; }
  double Resultant(double y) const { return (y - s0) * (At(s0) + At(y)) / 2.0; }
  double MomentAbout(double x, double y) const {
    const double length = y - s0;
    return Resultant(y) * (x - s0) - length * length * (At(s0) + 2.0 * At(y)) / 6.0;
  }
};

}  // namespace

StateLines FixedEndStateLines(const LineLoadOnElement& load) {
  const double l = std::max(load.length, kShortestElementLength);
  const double s0 = load.start;
  const double s1 = std::max(load.end, load.start);
  const Stretch across{s0, load.across_at_start, load.across_slope};
  const double p0 = load.along_at_start, p1 = load.along_slope;
  // The start reaction of the simply supported span: the load's moment about the end, over l.
  const double a = across.MomentAbout(l, s1) / l;
  const double ma = load.moment_at_start, mb = load.moment_at_end;

  StateLines lines;
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    const double y = std::clamp(x, s0, s1);  // the load up to x
    const double r = x / l;
    lines.n(i) = load.normal_force_at_start - (p0 * (y - s0) + p1 * (y * y - s0 * s0) / 2.0);
    lines.m(i) = (1.0 - r) * ma + r * mb + a * x - across.MomentAbout(x, y);
    lines.v(i) = (mb - ma) / l + a - across.Resultant(y);
  }
  return lines;
}

}  // namespace mechanics
