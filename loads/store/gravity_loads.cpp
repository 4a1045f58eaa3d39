#include "loads/store/gravity_loads.h"

#include <string>

#include "common/records/capacities.h"
#include "loads/model/whole_element_load.h"
#include "mechanics/model/gravity_load.h"

namespace pundf {

common::Result TooManyLineLoads() {
  return common::Result::Fail("Too many line loads, max = " + std::to_string(common::kMaxLineLoads), "Error");
}

double GravityLoadPerMetre(const Geometry& geometry, int e, const common::LoadCaseParams& params) {
  return mechanics::GravityLoadPerMetre(geometry.cross_sections[geometry.elements[e].cross_section()], params);
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
    const float q = static_cast<float>(GravityLoadPerMetre(geometry, e, params));
    common::LineLoadRecord load = WholeElementLoad(element, e, 'Y', q, q);
    load.set_generated(1);
    loads.Append(load);
  }
  return loads;
}

}  // namespace pundf
