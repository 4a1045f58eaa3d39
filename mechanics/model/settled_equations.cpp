#include "mechanics/model/settled_equations.h"

#include <cmath>

#include "mechanics/model/node_rotation.h"

namespace mechanics {

std::vector<SettledComponent> SettledComponents(const common::NodeRefTable& supports,
                                                const common::NodeTable& nodes) {
  std::vector<SettledComponent> components;
  for (const common::NodeRefRecord& support : supports.used()) {
    if (support.settled() == 0) continue;
    const common::NodeRecord& node = nodes[support.node()];
    const int dofs[3] = {node.dof_u(), node.dof_v(), SupportedRotationOf(node)};
    for (int d = 1; d <= 3; ++d) {
      const double value = support.settlement(d);
      if (!(std::fabs(value) > kSmallestSettlement)) continue;
      components.push_back(SettledComponent{dofs[d - 1], value});
    }
  }
  return components;
}

}  // namespace mechanics
