#include "loads/store/gravity_loads.h"

#include <string>

#include "common/records/capacities.h"

namespace pundf {

common::Result TooManyLineLoads() {
  return common::Result::Fail("Too many line loads, max = " + std::to_string(common::kMaxLineLoads), "Error");
}

double GravityLoadPerMetre(const Geometry& geometry, int e, const common::LoadCaseParams& params) {
  const float area = geometry.cross_sections[geometry.elements[e].cross_section()].area();
  return static_cast<double>(area) * params.gamma() + params.covering();
}

common::Outcome<common::LineLoadTable> GravityLoads(const Geometry& geometry, const common::LoadCaseParams& params,
                                                    int user_count) {
  const int elements = geometry.element_count();
  if (user_count + elements > common::kMaxLineLoads) return TooManyLineLoads();
  common::LineLoadTable loads;
  for (int e = 1; e <= elements; ++e) {
    const auto& element = geometry.elements[e];
    const int section = element.cross_section();
    if (section < 1 || section > geometry.cross_sections.count()) {
      return common::Result::Fail("Element " + std::to_string(e) + " has cross section " + std::to_string(section) +
                                      ", the frame has " + std::to_string(geometry.cross_sections.count()) +
                                      " cross sections: no gravity load.",
                                  "Error");
    }
    common::LineLoadRecord load;
    load.set_element(static_cast<std::int16_t>(e));
    load.set_x1(element.xa());
    load.set_y1(element.ya());
    load.set_z1(element.za());
    load.set_x2(element.xb());
    load.set_y2(element.yb());
    load.set_z2(element.zb());
    load.set_direction('Y');
    load.set_whole_element(1);
    load.set_generated(1);
    const float q = static_cast<float>(GravityLoadPerMetre(geometry, e, params));
    load.set_value_a(q);
    load.set_value_b(q);
    loads.Append(load);
  }
  return loads;
}

}  // namespace pundf
