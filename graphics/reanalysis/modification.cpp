#include "graphics/reanalysis/modification.h"

#include "graphics/fem/element_matrices.h"
#include "mechanics/model/node_rotation.h"

namespace revuzavi {

Modification ModificationOf(const ViewerState& state, const ReanalysisState& run) {
  Modification m;
  for (int e : run.picked_elements.items()) {
    if (e < 1 || e > state.elements.count()) continue;
    const common::ElementRecord& record = state.elements[e];
    ModifiedElement element;
    element.element = e;
    element.q = static_cast<double>(record.stiffness_factor()) - 1.0;
    element.k = ElementStiffnessPart(state, e, 0, 0.0f);
    for (int a = 1; a <= 6; ++a) element.dofs[static_cast<std::size_t>(a - 1)] = record.dof(a);
    m.elements.push_back(element);
  }
  for (int k : run.picked_nodes.items()) {
    if (k < 1 || k > state.nodes.count()) continue;
    const common::NodeRecord& node = state.nodes[k];
    const int dofs[3] = {node.dof_u(), node.dof_v(), mechanics::SupportedRotationOf(node)};
    for (int d = 1; d <= 3; ++d) {
      if (dofs[d - 1] < 1) continue;
      m.node_dofs.push_back(dofs[d - 1]);
      if (node.changed_support_mark(d) != 0) {
        m.supports.push_back(ChangedSupport{dofs[d - 1], node.changed_support(d)});
      }
    }
  }
  return m;
}

std::array<double, 6> EndDisplacements(const std::vector<double>& u, const std::array<int, 6>& dofs) {
  std::array<double, 6> ue{};
  for (std::size_t a = 0; a < 6; ++a) ue[a] = u[static_cast<std::size_t>(dofs[a])];
  return ue;
}

std::array<double, 6> EndForces(const mechanics::ElementMatrix& k, const std::array<double, 6>& u) {
  std::array<double, 6> f{};
  for (int a = 1; a <= 6; ++a) {
    for (int b = 1; b <= 6; ++b) f[static_cast<std::size_t>(a - 1)] += k(a, b) * u[static_cast<std::size_t>(b - 1)];
  }
  return f;
}

}  // namespace revuzavi
