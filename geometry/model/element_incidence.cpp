#include "geometry/model/element_incidence.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "geometry/model/element_ends.h"

namespace kelmf {

common::Result UnknownEndNode(int element, int node) {
  return common::Result::Fail(
      "Element " + std::to_string(element) + " ends at node " + std::to_string(node) + ", which does not exist",
      "Error");
}

common::Result TooManyEndsAtNode(int node) {
  return common::Result::Fail("Too many element ends at node " + std::to_string(node) +
                                  ", max = " + std::to_string(common::NodeRecord::kMaxElements),
                              "Error");
}

common::Result ConnectElementsToNodes(FrameModel& model) {
  common::NodeTable nodes = model.nodes;
  const int node_count = nodes.count();
  for (common::NodeRecord& node : nodes.used()) {
    node.set_end_count(0);
    for (int k = 1; k <= common::NodeRecord::kMaxElements; ++k) node.set_element(k, 0);
  }
  std::vector<std::vector<std::int16_t>> hinges(static_cast<std::size_t>(node_count) + 1);
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    for (const ElementEnd& end : EndsOf(element)) {
      const int k = end.node;
      if (k < 1 || k > node_count) return UnknownEndNode(e, k);
      common::NodeRecord& node = nodes[k];
      const int ends = node.end_count() + 1;
      if (ends > common::NodeRecord::kMaxElements) {
        model.editor.storey_frame_error = 1;
        return TooManyEndsAtNode(k);
      }
      node.set_end_count(static_cast<std::int16_t>(ends));
      node.set_element(ends, static_cast<std::int16_t>(e));
      hinges[static_cast<std::size_t>(k)].push_back(end.hinge);
    }
  }
  for (int k = 1; k <= node_count; ++k) {
    common::NodeRecord& node = nodes[k];
    node.set_first_element(node.element(1));
    node.set_second_element(node.element(2));
    const auto& flags = hinges[static_cast<std::size_t>(k)];
    const bool differ = std::adjacent_find(flags.begin(), flags.end(), std::not_equal_to<>()) != flags.end();
    node.set_mixed_hinges(flags.size() > 2 && differ ? 1 : 0);
  }
  for (common::ElementRecord& element : model.elements.used()) {
    element.set_modified_flag(0);
    element.set_switched_off_flag(0);
  }
  model.nodes = std::move(nodes);
  return common::Result::Ok();
}

}  // namespace kelmf
