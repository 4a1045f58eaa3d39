#pragma once
// The strain energy of an element from its end displacements, for the solver's ENERGIES file and
// the viewer's energy labels alike.
#include <vector>

#include "common/records/model_tables.h"

namespace mechanics {

// 0.5 q^T K q with q the element's six end displacements in global axes, taken from
// `displacements` (1-based by equation) at its equations, and K its stiffness in global axes.
double ElementEnergyOf(const common::ElementRecord& element, const common::NodeTable& nodes,
                       const common::MaterialTable& materials, const common::CrossSectionTable& sections,
                       const std::vector<double>& displacements);

}  // namespace mechanics
