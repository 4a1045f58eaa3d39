#include "mechanics/model/gravity_load.h"

namespace mechanics {

double GravityLoadPerMetre(const common::CrossSectionRecord& section, const common::LoadCaseParams& params) {
  return static_cast<double>(section.area()) * params.gamma() + params.covering();
}

}  // namespace mechanics
