#pragma once
// The stiffness of one element of the viewer's frame, whole or in part, as the
// solver computes it.
#include "graphics/state/viewer_state.h"
#include "mechanics/element_stiffness.h"

namespace revuzavi {

// The whole element e: E of its material, A and I of its section, the length
// between its ends (at least 0.01).
mechanics::ElementMatrix ElementStiffness(const ViewerState& state, int e);

// Which part of an element ElementStiffnessPart means.
enum class ElementPart : int { kStart = 1, kRest = 2 };

// The matrix with the direction of the whole element and the length t in every
// entry: t = a for type 1 (from the start to distance a), L - a for type 2 (the
// rest), L for any other type.
mechanics::ElementMatrix ElementStiffnessPart(const ViewerState& state, int e, int type, float a);

}  // namespace revuzavi
