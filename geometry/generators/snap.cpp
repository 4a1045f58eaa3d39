#include "geometry/generators/snap.h"

#include <algorithm>
#include <cmath>

namespace kelmf {
namespace {

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
