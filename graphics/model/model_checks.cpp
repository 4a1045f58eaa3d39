#include "graphics/model/model_checks.h"

namespace revuzavi {
namespace {

// "<record> <k>: <what> <value> lies outside 1..<count>", or nothing when it lies inside.
Problem OutsideRange(const char* record, int k, const char* what, long long value, int count) {
  if (value >= 1 && value <= count) return std::nullopt;
  return std::string(record) + " " + std::to_string(k) + ": " + what + " " + std::to_string(value) +
         " lies outside 1.." + std::to_string(count);
}

}  // namespace

Problem CheckNodeEquations(const common::NodeTable& nodes, int n) {
  for (int k = 1; k <= nodes.count(); ++k) {
    const common::NodeRecord& node = nodes[k];
    if (auto p = OutsideRange("node", k, "equation", node.dof_u(), n)) return p;
    if (auto p = OutsideRange("node", k, "equation", node.dof_v(), n)) return p;
    const int r = node.rotation_count();
    if (auto p = OutsideRange("node", k, "the number of rotations", r, common::NodeRecord::kMaxRotations)) return p;
    for (int j = 1; j <= r; ++j) {
      if (auto p = OutsideRange("node", k, "equation", node.rotation_dof(j), n)) return p;
    }
  }
  return std::nullopt;
}

Problem CheckElementIndices(const common::ElementTable& elements, int node_count, int material_count,
                            int section_count, int n) {
  for (int e = 1; e <= elements.count(); ++e) {
    const common::ElementRecord& element = elements[e];
    for (int node : {element.node_a(), element.node_b()}) {
      if (auto p = OutsideRange("element", e, "node", node, node_count)) return p;
    }
    if (auto p = OutsideRange("element", e, "material", element.material(), material_count)) return p;
    if (auto p = OutsideRange("element", e, "cross section", element.cross_section(), section_count)) {
      return p;
    }
    for (int k = 1; k <= 6; ++k) {
      if (auto p = OutsideRange("element", e, "equation", element.dof(k), n)) return p;
    }
  }
  return std::nullopt;
}

Problem CheckSupportNodes(const common::NodeRefTable& supports, int node_count) {
  for (int k = 1; k <= supports.count(); ++k) {
    if (auto p = OutsideRange("support", k, "node", supports[k].node(), node_count)) return p;
  }
  return std::nullopt;
}

}  // namespace revuzavi
