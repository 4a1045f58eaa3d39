#include "common/segment_box.h"

#include <cmath>

namespace common {
namespace {

// The slope of a vertical line.
constexpr double kSteep = 1e6;

bool Within(float v, float lo, float hi) { return v >= lo && v <= hi; }

}  // namespace

bool SegmentMeetsBox(float x1, float z1, float x2, float z2, const SegmentBox& box, double eps) {
  const double dx = static_cast<double>(x2) - x1;
  const double m = std::fabs(dx) <= eps ? kSteep : (static_cast<double>(z2) - z1) / dx;
  // x of the line at height z; z of the line at abscissa x. A parallel side
  // gives its first corner.
  auto x_at = [&](float z, float parallel) {
    return m == 0.0 ? parallel : static_cast<float>(x1 + (static_cast<double>(z) - z1) / m);
  };
  auto z_at = [&](float x, float parallel) {
    return m == kSteep ? parallel : static_cast<float>(z1 + m * (static_cast<double>(x) - x1));
  };
  return Within(x_at(box.zmin, box.xmin), box.xmin, box.xmax) ||  // bottom
         Within(z_at(box.xmax, box.zmin), box.zmin, box.zmax) ||  // right
         Within(x_at(box.zmax, box.xmin), box.xmin, box.xmax) ||  // top
         Within(z_at(box.xmin, box.zmax), box.zmin, box.zmax);    // left
}

}  // namespace common
