#include "mechanics/model/element_energy.h"

#include <array>

#include "mechanics/model/element_own_loads.h"

namespace mechanics {

double ElementEnergyOf(const common::ElementRecord& element, const common::NodeTable& nodes,
                       const common::MaterialTable& materials, const common::CrossSectionTable& sections,
                       const std::vector<double>& displacements) {
  const ElementMatrix k = ElementStiffnessOf(element, materials, sections);
  const std::array<int, 6> equations = ElementEquationsOf(element, nodes);
  std::array<double, 7> q{};  // 1-based like the element matrix
  for (std::size_t i = 1; i <= 6; ++i) q[i] = displacements[static_cast<std::size_t>(equations[i - 1])];
  double energy = 0.0;
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) energy += q[static_cast<std::size_t>(i)] * k(i, j) * q[static_cast<std::size_t>(j)];
  }
  return 0.5 * energy;
}

}  // namespace mechanics
