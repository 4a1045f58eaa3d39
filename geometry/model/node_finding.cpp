#include "geometry/model/node_finding.h"

#include <cmath>
#include <vector>

#include "common/position/limit_messages.h"
#include "geometry/model/element_ends.h"

namespace kelmf {

int NearestNode(const common::NodeTable& nodes, double x, double y) {
  int nearest = 0;
  double best = kNodeTolerance;
  for (int k = 1; k <= nodes.count(); ++k) {
    const double d = std::hypot(nodes[k].x() - x, nodes[k].y() - y);
    if (d < best) {
      best = d;
      nearest = k;
    }
  }
  return nearest;
}

common::Outcome<int> FindNodes(FrameModel& model) {
  common::NodeTable nodes;
  std::vector<std::int16_t> end_nodes;  // end a, end b of each element
  for (const common::ElementRecord& element : model.elements.used()) {
    for (const ElementEnd& end : EndsOf(element)) {
      int k = NearestNode(nodes, end.x, end.y);
      if (k == 0) {
        if (nodes.full()) {
          model.editor.storey_frame_error = 1;
          return common::TooManyNodes();
        }
        common::NodeRecord node;
        node.set_x(end.x);
        node.set_y(end.y);
        node.set_z(0.0f - end.y);  // never a negative zero in the user's coordinate
        k = nodes.count() + 1;
        node.set_number(static_cast<std::int16_t>(k));
        nodes.Append(node);
      }
      end_nodes.push_back(static_cast<std::int16_t>(k));
    }
  }
  for (int e = 1; e <= model.elements.count(); ++e) {
    model.elements[e].set_node_a(end_nodes[2 * (e - 1)]);
    model.elements[e].set_node_b(end_nodes[2 * (e - 1) + 1]);
  }
  model.nodes = std::move(nodes);
  model.params.set_vertical_sign(-1);
  model.params.set_node_count(static_cast<std::int16_t>(model.nodes.count()));
  return model.nodes.count();
}

}  // namespace kelmf
