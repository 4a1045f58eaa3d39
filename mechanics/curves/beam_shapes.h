#pragma once
// The deflection shapes of a beam element of length l, x from its start node, w along the left
// normal, rotations phi = -w'.
namespace mechanics {

// The cubic interpolation of the end values: w(x) = h1 w1 + h2 phi1 + h3 w2 + h4 phi2.
struct CubicShapes {
  double h1, h2, h3, h4;
};

// h1 = 1 - 3x^2/l^2 + 2x^3/l^3, h2 = 2x^2/l - x - x^3/l^2, h3 = 3x^2/l^2 - 2x^3/l^3,
// h4 = x^2/l - x^3/l^2.
CubicShapes ShapesAt(double x, double l);
// Their second derivatives in x.
CubicShapes ShapeCurvaturesAt(double x, double l);

// The deflection at x of the element clamped at both ends under a unit transverse force at a
// (0 <= a <= l); symmetric in x and a, l^3 / (192 EI) for both in the middle.
double ClampedForceDeflection(double x, double a, double l, double ei);
// Its rate of change with the place of the force, d/da: the deflection under a unit point moment
// at a (with the sign of the load vector's moments).
double ClampedMomentDeflection(double x, double a, double l, double ei);

}  // namespace mechanics
