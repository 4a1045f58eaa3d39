#include "graphics/fem/support_influence.h"

#include <cstdio>

#include "mechanics/assembly.h"

namespace revuzavi {

double SupportFieldFactor(const ViewerState& state, const SupportDof& entry) {
  if (entry.node < 1 || entry.node > state.nodes.count() || entry.direction < 1 || entry.direction > 3) return 0.0;
  return mechanics::SupportSpring(state.nodes[entry.node].support(entry.direction), state.params.support_stiffness());
}

std::string SupportMovedText(const ViewerState& state, const SupportDof& entry) {
  if (entry.node < 1 || entry.node > state.nodes.count() || entry.dof < 1 ||
      static_cast<std::size_t>(entry.dof) >= state.displacements.size()) {
    return "";
  }
  const char* direction = entry.direction == SupportDof::kX ? "x" : entry.direction == SupportDof::kZ ? "y" : "phi";
  char text[96];
  std::snprintf(text, sizeof text, "support %s at node %i moved by 1: the node moves %.3g", direction, entry.node,
                state.displacements[static_cast<std::size_t>(entry.dof)]);
  return text;
}

}  // namespace revuzavi
