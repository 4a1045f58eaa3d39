#pragma once
// Picking with the mouse: the element or node that a small box around the
// click meets, in world units.
#include "common/segment_box.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

struct PickedElement {
  int element = 0;  // 0: none met
  float xa = 0.0f, za = 0.0f, xb = 0.0f, zb = 0.0f;
};

// The first element (1..m) whose segment meets the box with corners (x1, z1)
// and (x2, z2), given in any order; elements whose ranges lie more than 0.1
// outside the box are passed over.
PickedElement PickElementsInBox(const ViewerState& state, float x1, float z1, float x2, float z2);

// The first node whose small box (x, z +- 0.2), tested by its diagonal, meets
// the box; 0 when none.
int PickNodeInBox(const ViewerState& state, float x1, float z1, float x2, float z2);

}  // namespace revuzavi
