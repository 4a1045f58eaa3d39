#include "mechanics/element_loads.h"

#include <algorithm>

#include "mechanics/element_stiffness.h"

namespace mechanics {
namespace {

double LengthOf(const LoadAxes& axes) { return std::max(axes.length, kShortestElementLength); }

// Transverse end forces t1, t2 (along the left normal), end moments m1, m2 and axial end forces
// n1, n2 turned into global axes.
NodalForces Turned(const LoadAxes& axes, double n1, double t1, double m1, double n2, double t2, double m2) {
  const double c = axes.cosine, s = axes.sine;
  NodalForces f;
  f(1) = n1 * c - t1 * s;
  f(2) = n1 * s + t1 * c;
  f(3) = m1;
  f(4) = n2 * c - t2 * s;
  f(5) = n2 * s + t2 * c;
  f(6) = m2;
  return f;
}

}  // namespace

NodalForces PointForceForces(const LoadAxes& axes, double a, double across, double along) {
  const double l = LengthOf(axes);
  const double r = a / l;
  const double n1 = along * (1.0 - r);
  const double p1 = across * (1.0 - 3.0 * r * r + 2.0 * r * r * r);
  const double n2 = along * r;
  const double p2 = across * (3.0 * r * r - 2.0 * r * r * r);
  const double m1 = across * (2.0 * a * a / l - a - a * a * a / (l * l));
  const double m2 = across * (a * a / l - a * a * a / (l * l));
  return Turned(axes, n1, p1, m1, n2, p2, m2);
}

NodalForces PointMomentForces(const LoadAxes& axes, double a, double m0) {
  const double l = LengthOf(axes);
  const double t1 = m0 * (6.0 * a * a / (l * l * l) - 6.0 * a / (l * l));
  const double t2 = m0 * (6.0 * a / (l * l) - 6.0 * a * a / (l * l * l));
  const double m1 = m0 * (4.0 * a / l - 1.0 - 3.0 * a * a / (l * l));
  const double m2 = m0 * (2.0 * a / l - 3.0 * a * a / (l * l));
  return Turned(axes, 0.0, t1, m1, 0.0, t2, m2);
}

NodalForces KinkForces(const LoadAxes& axes, double a, double delta, double ei) {
  const double l = LengthOf(axes);
  const double k = -ei * delta;
  const double t1 = k * (12.0 * a / (l * l * l) - 6.0 / (l * l));
  const double t2 = k * (6.0 / (l * l) - 12.0 * a / (l * l * l));
  const double m1 = k * (4.0 / l - 6.0 * a / (l * l));
  const double m2 = k * (2.0 / l - 6.0 * a / (l * l));
  return Turned(axes, 0.0, t1, m1, 0.0, t2, m2);
}

NodalForces TransverseDislocationForces(const LoadAxes& axes, double amount, double ei) {
  const double l = LengthOf(axes);
  const double t = 12.0 * ei / (l * l * l) * amount;
  const double m = 6.0 * ei / (l * l) * amount;
  return Turned(axes, 0.0, -t, m, 0.0, t, m);
}

NodalForces AxialDislocationForces(const LoadAxes& axes, double delta, double ea) {
  const double n = delta / LengthOf(axes) * ea;
  return Turned(axes, -n, 0.0, 0.0, n, 0.0, 0.0);
}

NodalForces TemperatureForces(const LoadAxes& axes, double alpha, double t, double dt, double ea, double ei,
                              double h) {
  const double force = alpha * t * ea;
  const double moment = alpha * dt * ei / h;
  return Turned(axes, -force, 0.0, -moment, force, 0.0, moment);
}

NodalForces PrestressForces(const LoadAxes& axes, double p) { return Turned(axes, p, 0.0, 0.0, -p, 0.0, 0.0); }

}  // namespace mechanics
