#include "mechanics/curves/gauss_legendre.h"

namespace mechanics {
namespace {

// The rule on [-1, 1]: abscissae +-t with weight w.
constexpr double kT[5] = {0.1488743389816312, 0.4333953941292472, 0.6794095682990244, 0.8650633666889845,
                          0.9739065285171717};
constexpr double kW[5] = {0.2955242247147529, 0.2692667193099963, 0.2190863625159820, 0.1494513491505806,
                          0.0666713443086881};

constexpr std::array<QuadraturePoint, kGaussPoints> MapToUnitInterval() {
  std::array<QuadraturePoint, kGaussPoints> points{};
  for (int k = 0; k < 5; ++k) {
    points[4 - k] = {(1.0 - kT[k]) / 2.0, kW[k] / 2.0};
    points[5 + k] = {(1.0 + kT[k]) / 2.0, kW[k] / 2.0};
  }
  return points;
}

constexpr std::array<QuadraturePoint, kGaussPoints> kPoints = MapToUnitInterval();

}  // namespace

const std::array<QuadraturePoint, kGaussPoints>& GaussLegendre10() { return kPoints; }

}  // namespace mechanics
