#include "geometry/generators/snap.h"

#include <algorithm>
#include <cmath>

namespace kelmf {
namespace {

// The slope of a vertical line.
constexpr double kSteep = 1e6;

bool Within(float v, float lo, float hi) { return v >= lo && v <= hi; }

float Distance(float x1, float z1, float x2, float z2) {
  const float dx = x1 - x2;
  const float dz = z1 - z2;
  return std::sqrt(dx * dx + dz * dz);
}

// Whether the ranges [a1, a2] and [b1, b2] (either order) come within d.
bool Near(float a1, float a2, float bmin, float bmax, double d) {
  return !(std::min(a1, a2) > bmax + d || bmin > std::max(a1, a2) + d);
}

}  // namespace

bool SegmentMeetsBox(float x1, float z1, float x2, float z2, const SnapBox& box, double eps) {
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

std::int16_t SnapToElementEnd(const FrameModel& model, float pick_radius, ClickPoint& click) {
  const double r = pick_radius;
  const double d = std::sqrt(2.0 * r * r) * 1.2;
  const float x1 = static_cast<float>(click.x - d), x2 = static_cast<float>(click.x + d);
  const float z1 = static_cast<float>(click.z - d), z2 = static_cast<float>(click.z + d);
  const SnapBox box{std::min(x1, x2), std::min(z1, z2), std::max(x1, x2), std::max(z1, z2)};
  const double eps = model.params.tolerance();
  for (int e = model.elements.count(); e >= 1; --e) {
    const common::ElementRecord& element = model.elements[e];
    if (!Near(element.xa(), element.xb(), box.xmin, box.xmax, d)) continue;
    if (!Near(element.za(), element.zb(), box.zmin, box.zmax, d)) continue;
    if (!SegmentMeetsBox(element.xa(), element.za(), element.xb(), element.zb(), box, eps)) continue;
    const float to_a = Distance(click.x, click.z, element.xa(), element.za());
    const float to_b = Distance(click.x, click.z, element.xb(), element.zb());
    click = to_b <= to_a ? ClickPoint{element.xb(), element.zb()} : ClickPoint{element.xa(), element.za()};
    return static_cast<std::int16_t>(e);
  }
  return 0;
}

}  // namespace kelmf
