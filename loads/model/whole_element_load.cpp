#include "loads/model/whole_element_load.h"

#include "loads/model/point_load_values.h"

namespace pundf {

common::LineLoadRecord WholeElementLoad(const common::ElementRecord& element, int e, char direction, float a,
                                        float b) {
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(e));
  load.set_x1(element.xa());
  load.set_y1(element.ya());
  load.set_z1(element.za());
  load.set_x2(element.xb());
  load.set_y2(element.yb());
  load.set_z2(element.zb());
  load.set_whole_element(1);
  load.set_direction(direction);
  load.set_value_a(a);
  load.set_value_b(b);
  return load;
}

common::LineLoadRecord StretchLoad(const common::ElementRecord& element, int e, char direction, float xa, float xb,
                                   float a, float b) {
  common::LineLoadRecord load;
  load.set_element(static_cast<std::int16_t>(e));
  const PlanePoint start = PointOnElement(element, xa);
  const PlanePoint end = PointOnElement(element, xb);
  load.set_x1(start.x);
  load.set_y1(start.y);
  load.set_z1(-start.y);
  load.set_x2(end.x);
  load.set_y2(end.y);
  load.set_z2(-end.y);
  load.set_xa(xa);
  load.set_xb(xb);
  load.set_direction(direction);
  load.set_value_a(a);
  load.set_value_b(b);
  return load;
}

std::optional<float> DistanceOnElement(float distance, float length) {
  constexpr float kRounding = 0.006f;
  if (!(distance >= -kRounding && distance <= length + kRounding)) return std::nullopt;
  return distance < 0.0f ? 0.0f : (distance > length ? length : distance);
}

}  // namespace pundf
