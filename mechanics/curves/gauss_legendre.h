#pragma once
// The 10-point Gauss-Legendre rule mapped to [0, 1]: exact for polynomials up to degree 19.
#include <array>

namespace mechanics {

struct QuadraturePoint {
  double x;       // in [0, 1], ascending
  double weight;  // the weights add up to 1
};

inline constexpr int kGaussPoints = 10;

const std::array<QuadraturePoint, kGaussPoints>& GaussLegendre10();

// The integral of f over [x0, x1] by the rule.
template <class F>
double Integrate(double x0, double x1, F&& f) {
  double sum = 0.0;
  for (const QuadraturePoint& p : GaussLegendre10()) sum += p.weight * f(x0 + p.x * (x1 - x0));
  return sum * (x1 - x0);
}

}  // namespace mechanics
