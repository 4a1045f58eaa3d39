#include "mechanics/loads/line_load_end_forces.h"

#include <array>

namespace mechanics {
namespace {

// A cubic c0 + c1 x + c2 x^2 + c3 x^3.
using Cubic = std::array<double, 4>;

// The exact integral over [s0, s1] of the cubic times the linear load.
double IntegrateProduct(const Cubic& shape, const LinearLoad& load, double s0, double s1) {
  std::array<double, 5> product{};
  for (int k = 0; k < 4; ++k) {
    product[k] += shape[k] * load.at_start;
    product[k + 1] += shape[k] * load.slope;
  }
  // Horner form of the antiderivative sum p_k x^(k+1) / (k+1).
  auto antiderivative = [&product](double x) {
    double sum = 0.0;
    for (int k = 4; k >= 0; --k) sum = sum * x + product[k] / (k + 1);
    return sum * x;
  };
  return antiderivative(s1) - antiderivative(s0);
}

}  // namespace

LinearLoad LoadThrough(double s0, double q_start, double s1, double q_end) {
  const double stretch = s1 - s0;
  if (stretch == 0.0) return LinearLoad{q_start, 0.0};
  const double slope = (q_end - q_start) / stretch;
  return LinearLoad{q_start - s0 * slope, slope};
}

ClampedEndForces ClampedLineLoadEndForces(double length, double s0, double s1, const LinearLoad& along,
                                          const LinearLoad& across) {
  const double l = length;
  const double l2 = l * l;
  const double l3 = l2 * l;
  const Cubic n1{1.0, -1.0 / l, 0.0, 0.0};
  const Cubic n2{0.0, 1.0 / l, 0.0, 0.0};
  const Cubic h1{1.0, 0.0, -3.0 / l2, 2.0 / l3};
  const Cubic h2{0.0, 1.0, -2.0 / l, 1.0 / l2};
  const Cubic h3{0.0, 0.0, 3.0 / l2, -2.0 / l3};
  const Cubic h4{0.0, 0.0, -1.0 / l, 1.0 / l2};

  ClampedEndForces f;
  f.na = IntegrateProduct(n1, along, s0, s1);
  f.nb = IntegrateProduct(n2, along, s0, s1);
  f.va = IntegrateProduct(h1, across, s0, s1);
  f.vb = IntegrateProduct(h3, across, s0, s1);
  f.ma = IntegrateProduct(h2, across, s0, s1);
  f.mb = IntegrateProduct(h4, across, s0, s1);
  return f;
}

Resultant TrapezoidResultant(double q_start, double q_end, double stretch) {
  Resultant r;
  const double sum = q_start + q_end;
  r.value = sum * stretch / 2.0;
  if (sum != 0.0) r.offset = stretch * (2.0 * q_end + q_start) / (3.0 * sum);
  return r;
}

}  // namespace mechanics
