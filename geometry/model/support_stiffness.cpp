#include "geometry/model/support_stiffness.h"

#include <algorithm>

namespace kelmf {

float SupportStiffness(const FrameModel& model) {
  float max_e = 0.0f;
  for (const common::MaterialRecord& m : model.materials.used()) max_e = std::max(max_e, m.modulus());
  float max_a = 0.0f;
  for (const common::CrossSectionRecord& c : model.cross_sections.used()) max_a = std::max(max_a, c.area());
  return max_a * max_e;
}

}  // namespace kelmf
