#pragma once
// The support reactions of a frame the viewer changed: what the solver would put in KLAGER for
// the displacements shown, by the solver's own rule (mechanics/model/support_reactions.h), with
// K from MATRIXORI and f from RHSG at the settled equations and the supports' current values.
#include <vector>

#include "common/result.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Reactions [0..n] of state.displacements. Reads RHSG into state.right_hand_side and, for a
// load case with settlements, MATRIXORI; fails, naming the file, when one it needs is missing
// or damaged.
common::Outcome<std::vector<float>> RecomputedReactions(ViewerState& state);

// The reactions a picture shows: recomputed when the caller asks for it, elements or nodes are
// picked or a Green function is current; else KLAGER of the load case.
common::Outcome<std::vector<float>> ReactionsToDraw(ViewerState& state, const ViewState& view, bool recompute);

}  // namespace revuzavi
