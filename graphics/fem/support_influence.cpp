#include "graphics/fem/support_influence.h"

#include <cstdio>

#include "mechanics/assembly.h"

namespace revuzavi {

double SupportFieldFactor(const ViewerState& state, const SupportDof& entry) {
  if (entry.node < 1 || entry.node > state.nodes.count() || entry.direction < 1 || entry.direction > 3) return 0.0;
  return mechanics::SupportSpring(state.nodes[entry.node].support(entry.direction), state.params.support_stiffness());
}

namespace {

bool InFrame(const ViewerState& state, const SupportDof& entry) {
  return entry.node >= 1 && entry.node <= state.nodes.count() && entry.dof >= 1 &&
         static_cast<std::size_t>(entry.dof) < state.displacements.size();
}

double NodeMove(const ViewerState& state, const SupportDof& entry) {
  return state.displacements[static_cast<std::size_t>(entry.dof)];
}

}  // namespace

std::string SupportMovedText(const ViewerState& state, const SupportDof& entry) {
  if (!InFrame(state, entry)) return "";
  const char* direction = entry.direction == SupportDof::kX ? "x" : entry.direction == SupportDof::kZ ? "y" : "phi";
  char text[96];
  std::snprintf(text, sizeof text, "support %s at node %i moved by 1: the node moves %.3g", direction, entry.node,
                NodeMove(state, entry));
  return text;
}

std::string SupportMovedLabel(const ViewerState& state, const SupportDof& entry) {
  if (!InFrame(state, entry)) return "";
  char text[64];
  std::snprintf(text, sizeof text, "support moved by 1: node moves %.3g", NodeMove(state, entry));
  return text;
}

}  // namespace revuzavi
