#include "graphics/reanalysis/modification.h"

#include <algorithm>
#include <set>

#include "graphics/fem/element_load_vector.h"
#include "graphics/fem/element_matrices.h"
#include "mechanics/model/node_rotation.h"

namespace revuzavi {
namespace {

bool RemovedIn(const Modification& m, int e) {
  return std::any_of(m.elements.begin(), m.elements.end(),
                     [e](const ModifiedElement& x) { return x.element == e && x.removed; });
}

// The dofs of the removed elements that keep no stiffness: no element left in the frame and no
// support acts on them.
std::vector<int> LooseDofs(const ViewerState& state, const Modification& m) {
  std::set<int> held;
  for (int e = 1; e <= state.elements.count(); ++e) {
    if (RemovedIn(m, e)) continue;
    for (int a = 1; a <= 6; ++a) held.insert(state.elements[e].dof(a));
  }
  for (const common::NodeRecord& node : state.nodes.used()) {
    const int dofs[3] = {node.dof_u(), node.dof_v(), mechanics::SupportedRotationOf(node)};
    for (int d = 1; d <= 3; ++d) {
      if (node.support(d) != 0.0f) held.insert(dofs[d - 1]);
    }
  }
  std::set<int> loose;
  for (const ModifiedElement& e : m.elements) {
    if (!e.removed) continue;
    for (int dof : e.dofs) {
      if (dof >= 1 && held.count(dof) == 0) loose.insert(dof);
    }
  }
  return std::vector<int>(loose.begin(), loose.end());
}

}  // namespace

Modification ModificationOf(const ViewerState& state, const ReanalysisState& run) {
  Modification m;
  for (int e : run.picked_elements.items()) {
    if (e < 1 || e > state.elements.count()) continue;
    const common::ElementRecord& record = state.elements[e];
    ModifiedElement element;
    element.element = e;
    element.q = static_cast<double>(record.stiffness_factor()) - 1.0;
    element.removed = IsRemovedElement(record);
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
  m.loose_dofs = LooseDofs(state, m);
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
