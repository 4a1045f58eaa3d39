#include "mechanics/sample_lines.h"

namespace mechanics {

double SampleX(int i, double l) { return (i - 1) * l / (kSamples - 1); }

SampleLine JumpLine(double l, double m, double a) {
  SampleLine line;
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    line(i) = static_cast<float>(x <= a ? -m * x / l : m * (l - x) / l);
  }
  return line;
}

SampleLine PointForceLine(double l, double a) {
  SampleLine line;
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    line(i) = static_cast<float>(x <= a ? x * (l - a) / l : (l - x) * a / l);
  }
  return line;
}

SampleTable ClampedBeamTable(double l, double ei) {
  SampleTable g;
  const double f = l * l / (6.0 * ei);
  for (int s = 1; s <= kSamples; ++s) {
    const double a = SampleX(s, l);
    const double b = l - a;
    // Clamping moments of the unit force at the start and the end.
    const double ma = a * b * b / (l * l);
    const double mb = a * a * b / (l * l);
    for (int i = 1; i <= kSamples; ++i) {
      const double x = SampleX(i, l);
      const double xi = (l - x) / l;
      const double eta = x / l;
      // The simply supported span, then the deflection lines of the two clamping moments.
      const double w0 = x > a ? a * f * xi * (1.0 - (a / l) * (a / l) - xi * xi)
                              : b * f * eta * (1.0 - (b / l) * (b / l) - eta * eta);
      g(i, s) = static_cast<float>(w0 - ma * f * (xi - xi * xi * xi) - mb * f * (eta - eta * eta * eta));
    }
  }
  return g;
}

}  // namespace mechanics
