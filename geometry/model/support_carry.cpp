#include "geometry/model/support_carry.h"

#include <cmath>
#include <vector>

#include "geometry/model/node_finding.h"

namespace kelmf {
namespace {

double Distance(const common::NodeRecord& a, const common::NodeRecord& b) {
  return std::hypot(static_cast<double>(a.x()) - b.x(), static_cast<double>(a.y()) - b.y());
}

void CopySupport(const common::NodeRecord& from, common::NodeRecord& to) {
  for (int d = 1; d <= 3; ++d) {
    to.set_support(d, from.support(d));
    to.set_support_flag(d, from.support_flag(d));
  }
}

}  // namespace

void CarrySupports(FrameModel& model, const common::NodeTable& old_nodes) {
  const int old_count = old_nodes.count();
  const int new_count = model.nodes.count();
  // The new node of each old node, and the old node that each new node keeps.
  std::vector<int> moved_to(static_cast<std::size_t>(old_count) + 1, 0);
  std::vector<int> kept_from(static_cast<std::size_t>(new_count) + 1, 0);
  for (int o = 1; o <= old_count; ++o) {
    const int n = NearestNode(model.nodes, old_nodes[o].x(), old_nodes[o].y());
    moved_to[static_cast<std::size_t>(o)] = n;
    if (n == 0) continue;
    int& kept = kept_from[static_cast<std::size_t>(n)];
    if (kept == 0 || Distance(old_nodes[o], model.nodes[n]) < Distance(old_nodes[kept], model.nodes[n])) kept = o;
  }
  for (int n = 1; n <= new_count; ++n) {
    const int o = kept_from[static_cast<std::size_t>(n)];
    CopySupport(o == 0 ? common::NodeRecord() : old_nodes[o], model.nodes[n]);
  }

  common::NodeRefTable supports;
  for (common::NodeRefRecord entry : model.supports.used()) {
    const int o = entry.node();
    if (o < 1 || o > old_count) continue;
    const int n = moved_to[static_cast<std::size_t>(o)];
    if (n == 0 || kept_from[static_cast<std::size_t>(n)] != o) continue;
    entry.set_node(static_cast<std::int16_t>(n));
    supports.Append(entry);
  }
  model.supports = std::move(supports);
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
}

}  // namespace kelmf
