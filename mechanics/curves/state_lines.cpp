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

// The held element's forces under the load: what the state lines sample.
class HeldUnderLineLoad {
 public:
  explicit HeldUnderLineLoad(const LineLoadOnElement& load)
      : load_(load),
        l_(std::max(load.length, kShortestElementLength)),
        s1_(std::max(load.end, load.start)),
        across_{load.start, load.across_at_start, load.across_slope},
        // The start reaction of the simply supported span: the load's moment about the end, over l.
        a_(across_.MomentAbout(l_, s1_) / l_) {}

  double length() const { return l_; }

  SectionForces At(double x) const {
    const double s0 = load_.start;
    const double p0 = load_.along_at_start, p1 = load_.along_slope;
    const double ma = load_.moment_at_start, mb = load_.moment_at_end;
    const double y = std::clamp(x, s0, s1_);  // the load up to x
    const double r = x / l_;
    SectionForces f;
    f.n = load_.normal_force_at_start - (p0 * (y - s0) + p1 * (y * y - s0 * s0) / 2.0);
    f.m = (1.0 - r) * ma + r * mb + a_ * x - across_.MomentAbout(x, y);
    f.v = (mb - ma) / l_ + a_ - across_.Resultant(y);
    return f;
  }

 private:
  const LineLoadOnElement& load_;
  double l_, s1_;
  Stretch across_;
  double a_;
};

}  // namespace

StateLines FixedEndStateLines(const LineLoadOnElement& load) {
  const HeldUnderLineLoad held(load);
  StateLines lines;
  for (int i = 1; i <= kSamples; ++i) {
    const SectionForces f = held.At(SampleX(i, held.length()));
    lines.n(i) = f.n;
    lines.m(i) = f.m;
    lines.v(i) = f.v;
  }
  return lines;
}

SectionForces FixedEndForcesAt(const LineLoadOnElement& load, double x) { return HeldUnderLineLoad(load).At(x); }

}  // namespace mechanics
