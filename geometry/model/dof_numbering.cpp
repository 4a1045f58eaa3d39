#include "geometry/model/dof_numbering.h"

#include <string>
#include <utility>
#include <vector>

#include "geometry/model/element_ends.h"
#include "geometry/model/element_incidence.h"

namespace kelmf {
namespace {

common::Result TooManyEquations() {
  return common::Result::Fail("Too many equations, max = " + std::to_string(common::kMaxEquations), "Error");
}

common::Result TooManyRotations(int node) {
  return common::Result::Fail("Too many rotations at node " + std::to_string(node) +
                                  ", max = " + std::to_string(common::NodeRecord::kMaxRotations),
                              "Error");
}

// Clears the numbering of a node and counts its hinged ends.
void ClearNumbering(common::NodeRecord& node) {
  node.set_dof_u(0);
  node.set_dof_v(0);
  for (int k = 1; k <= common::NodeRecord::kMaxRotations; ++k) node.set_rotation_dof(k, 0);
  node.set_hinged_end_count(0);
  node.set_rotation_count(0);
  node.set_dof_count(0);
}

int RotationCount(int ends, int hinged) {
  if (hinged == 0) return 1;
  return hinged == ends ? hinged : hinged + 1;
}

}  // namespace

common::Result NumberDofs(FrameModel& model) {
  common::NodeTable nodes = model.nodes;
  common::ElementTable elements = model.elements;
  const int node_count = nodes.count();
  for (common::NodeRecord& node : nodes.used()) ClearNumbering(node);

  for (int e = 1; e <= elements.count(); ++e) {
    const common::ElementRecord& element = elements[e];
    for (const ElementEnd& end : EndsOf(element)) {
      const int k = end.node;
      if (k < 1 || k > node_count) return UnknownEndNode(e, k);
      if (Hinged(end.hinge)) nodes[k].set_hinged_end_count(static_cast<std::int16_t>(nodes[k].hinged_end_count() + 1));
    }
  }

  common::DofTable dofs;
  int equation = 0;
  auto add = [&](int node, std::int32_t kind) {
    common::DofRecord dof;
    dof.set_node(node);
    dof.set_equation(++equation);
    dof.set_kind(kind);
    return dofs.Append(dof);
  };
  for (int k = 1; k <= node_count; ++k) {
    common::NodeRecord& node = nodes[k];
    const int r = RotationCount(node.end_count(), node.hinged_end_count());
    if (r > common::NodeRecord::kMaxRotations) return TooManyRotations(k);
    if (!add(k, common::DofRecord::kU)) return TooManyEquations();
    node.set_dof_u(static_cast<std::int16_t>(equation));
    if (!add(k, common::DofRecord::kV)) return TooManyEquations();
    node.set_dof_v(static_cast<std::int16_t>(equation));
    for (int i = 1; i <= r; ++i) {
      if (!add(k, common::DofRecord::kRotation)) return TooManyEquations();
      node.set_rotation_dof(i, static_cast<std::int16_t>(equation));
    }
    node.set_rotation_count(static_cast<std::int16_t>(r));
    node.set_dof_count(static_cast<std::int16_t>(r + 2));
  }

  std::vector<int> hinged_taken(static_cast<std::size_t>(node_count) + 1, 0);
  for (common::ElementRecord& element : elements.used()) {
    const auto ends = EndsOf(element);
    for (int i = 0; i < 2; ++i) {
      const common::NodeRecord& node = nodes[ends[i].node];
      const int rotation =
          Hinged(ends[i].hinge) ? ++hinged_taken[static_cast<std::size_t>(ends[i].node)] : node.rotation_count();
      element.set_dof(3 * i + 1, node.dof_u());
      element.set_dof(3 * i + 2, node.dof_v());
      element.set_dof(3 * i + 3, node.rotation_dof(rotation));
    }
  }

  model.nodes = std::move(nodes);
  model.elements = std::move(elements);
  model.dofs = std::move(dofs);
  model.params.set_equation_count(static_cast<std::int16_t>(equation));
  model.params.set_equation_count_copy(static_cast<std::int16_t>(equation));
  return common::Result::Ok();
}

}  // namespace kelmf
