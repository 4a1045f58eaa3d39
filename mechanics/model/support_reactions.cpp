#include "mechanics/model/support_reactions.h"

#include "mechanics/assembly.h"
#include "mechanics/model/node_rotation.h"

namespace mechanics {

std::vector<SupportReaction> SupportReactionsOf(const common::NodeTable& nodes, int n, const std::vector<double>& u,
                                                double support_stiffness, const std::function<bool(int)>& settled,
                                                const std::function<double(int)>& residual) {
  std::vector<SupportReaction> reactions;
  for (const common::NodeRecord& node : nodes.used()) {
    const int dofs[3] = {node.dof_u(), node.dof_v(), SupportedRotationOf(node)};
    for (int d = 1; d <= 3; ++d) {
      const int q = dofs[d - 1];
      if (q < 1 || q > n || static_cast<std::size_t>(q) >= u.size()) continue;
      const double spring = SupportSpring(node.support(d), support_stiffness);
      const bool moved = settled(q);
      if (!(spring > 0.0) && !moved) continue;
      reactions.push_back(SupportReaction{q, d, spring * u[static_cast<std::size_t>(q)] - residual(q)});
    }
  }
  return reactions;
}

std::vector<float> ReactionVector(const std::vector<SupportReaction>& reactions, int n) {
  std::vector<float> v(static_cast<std::size_t>(n > 0 ? n : 0) + 1, 0.0f);
  for (const SupportReaction& r : reactions) {
    if (r.dof < 1 || r.dof > n) continue;
    v[static_cast<std::size_t>(r.dof)] = static_cast<float>(r.direction == 1 ? -r.value : r.value);
  }
  return v;
}

}  // namespace mechanics
