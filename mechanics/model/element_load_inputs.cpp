#include "mechanics/model/element_load_inputs.h"

#include <algorithm>

#include "mechanics/element_stiffness.h"

namespace mechanics {

bool IsElementPointLoad(const common::PointLoadRecord& load) {
  return load.placement() == common::PointLoadRecord::kOnElement;
}

PointLoadOnElement PointLoadOnElementOf(const common::PointLoadRecord& load) {
  PointLoadOnElement p;
  p.kind = load.kind();
  p.a = load.distance();
  p.across = load.force_normal();
  p.along = load.force_along();
  p.moment = load.kind_value();
  p.value = load.value();
  return p;
}

LineLoadOnElement LineLoadOnElementOf(const common::ElementTable& elements, const common::LineLoadRecord& load) {
  LineLoadOnElement l;
  l.length = std::max<double>(elements[load.element()].length(), kShortestElementLength);
  const bool whole = load.whole_element() != 0;
  l.start = whole ? 0.0 : load.xa();
  l.end = whole ? l.length : load.xb();
  l.across_at_start = load.normal_at_start();
  l.across_slope = load.normal_slope();
  l.along_at_start = load.axial_at_start();
  l.along_slope = load.axial_slope();
  l.moment_at_start = load.element_force(1);
  l.moment_at_end = load.element_force(2);
  l.normal_force_at_start = load.element_force(5);
  return l;
}

float TemperatureHeight(float height) { return height < 0.01f ? 0.1f : height; }

}  // namespace mechanics
