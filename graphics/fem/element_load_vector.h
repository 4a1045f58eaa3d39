#pragma once
// The equivalent nodal loads of one element's own loads in the load case shown:
// what the reanalysis takes out of the load vector when it removes an element.
#include "graphics/state/viewer_state.h"
#include "mechanics/dense_vector.h"

namespace revuzavi {

// n values (n = the frame's equations): all of element e's own loads (its
// temperature, the point loads placed on it, its line loads with the self
// weight, its prestress) with the solver's formulas. Zero when the element's
// factor k (byte 136) is above 1e-5 or its int32 at byte 16 is not 0: only an
// element that is not scaled (k -1 as read) or removed (k 0) yields loads.
mechanics::Vector ElementLoadVector(const ViewerState& state, int e);

// Whether a modified element is removed: its factor k between 0 and 1e-5 (and no stiffness of
// its own), so that it leaves the frame with its loads.
bool IsRemovedElement(const common::ElementRecord& element);

}  // namespace revuzavi
