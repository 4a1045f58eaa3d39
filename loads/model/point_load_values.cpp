#include "loads/model/point_load_values.h"

namespace pundf {

PlanePoint PointOnElement(const common::ElementRecord& element, float distance) {
  return {element.xa() + distance * element.cosine(), element.ya() + distance * element.sine()};
}

bool IsForceDirection(char direction) {
  return direction == 'X' || direction == 'Y' || direction == 'N' || direction == 'T';
}

void SetPointLoadValue(common::PointLoadRecord& load, float value, char direction, float cos, float sin) {
  load.set_value(value);
  load.set_force_x(0.0f);
  load.set_force_y(0.0f);
  load.set_force_normal(0.0f);
  load.set_force_along(0.0f);
  load.set_kind_value(0.0f);
  if (load.kind() != common::PointLoadRecord::kForce) {
    load.set_kind_value(value);
    load.set_direction('0');
    return;
  }
  const float p = value;
  load.set_direction(direction);
  switch (direction) {
    case 'X':
      load.set_force_x(p);
      load.set_force_normal(-p * sin);
      load.set_force_along(p * cos);
      break;
    case 'Y':
      load.set_force_y(p);
      load.set_force_normal(p * cos);
      load.set_force_along(p * sin);
      break;
    case 'N':
      load.set_force_x(-p * sin);
      load.set_force_y(p * cos);
      load.set_force_normal(p);
      break;
    case 'T':
      load.set_force_x(p * cos);
      load.set_force_y(p * sin);
      load.set_force_along(p);
      break;
    default:
      break;
  }
}

}  // namespace pundf
