#pragma once
// The Green's function of a support: the field c K^-1 e_i with c = |s| S, the support's spring.
// It is the influence function of the support's reaction: the spring's foot moved by 1 against
// the node, which moves c (K^-1)_ii while the spring takes the rest.
#include <string>

#include "graphics/state/viewer_state.h"

namespace revuzavi {

// c of the support of the entry: its spring (0 for a direction without one).
double SupportFieldFactor(const ViewerState& state, const SupportDof& entry);

// The picture's title: "support phi at node 2 moved by 1: the node moves 0.29" (x, y, phi), the
// node's move read from state.displacements holding the field; empty for an entry outside the
// frame.
std::string SupportMovedText(const ViewerState& state, const SupportDof& entry);
// The label at the node, which the title names: "support moved by 1: node moves 0.29".
std::string SupportMovedLabel(const ViewerState& state, const SupportDof& entry);

}  // namespace revuzavi
