#include "geometry/model/support_stiffness.h"

#include <algorithm>

namespace kelmf {

double SupportStiffness(const FrameModel& model) {
  double max_e = 0.0;
  for (const common::MaterialRecord& m : model.materials.used()) max_e = std::max(max_e, static_cast<double>(m.modulus()));
  double max_a = 0.0;
  for (const common::CrossSectionRecord& c : model.cross_sections.used()) {
    max_a = std::max(max_a, static_cast<double>(c.area()));
  }
  return max_e * max_a;
}

}  // namespace kelmf
