#include "mechanics/curves/beam_shapes.h"

namespace mechanics {

CubicShapes ShapesAt(double x, double l) {
  const double r = x / l;
  return {1.0 - 3.0 * r * r + 2.0 * r * r * r, 2.0 * x * x / l - x - x * x * x / (l * l), 3.0 * r * r - 2.0 * r * r * r,
          x * x / l - x * x * x / (l * l)};
}

CubicShapes ShapeCurvaturesAt(double x, double l) {
  const double l2 = l * l, l3 = l2 * l;
  return {12.0 * x / l3 - 6.0 / l2, 4.0 / l - 6.0 * x / l2, 6.0 / l2 - 12.0 * x / l3, 2.0 / l - 6.0 * x / l2};
}

// Both formulas are those of the part between the start node and the force; the part beyond the
// force is the same one seen from the end node (x -> l - x, a -> l - a).
double ClampedForceDeflection(double x, double a, double l, double ei) {
  const double f = 6.0 * ei * l * l * l;
  if (x > a) {
    const double b = l - a, c = l - x;
    return a * a * c * c * (3.0 * b * l - c * (3.0 * b + a)) / f;
  }
  const double b = l - a;
  return b * b * x * x * (3.0 * a * l - x * (3.0 * a + b)) / f;
}

double ClampedMomentDeflection(double x, double a, double l, double ei) {
  const double f = 6.0 * ei * l * l * l;
  if (x > a) {
    const double b = l - a, c = l - x;
    return (2.0 * a * c * c * (3.0 * b * l - c * (3.0 * b + a)) + a * a * c * c * (2.0 * c - 3.0 * l)) / f;
  }
  const double b = l - a;
  return (-2.0 * b * x * x * (3.0 * a * l - x * (3.0 * a + b)) + b * b * x * x * (3.0 * l - 2.0 * x)) / f;
}

}  // namespace mechanics
