#pragma once
// The elements with the extreme normal forces of the diagrams.
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Of the elements not switched off whose compression flag (byte 128) is 0, the
// one with the most negative smallest normal force (byte 88); the first on ties,
// 0 when none is compressed.
int MostCompressedElement(const ViewerState& state);

// Of the elements not switched off whose tension flag (byte 130) is 0, the one
// with the largest positive largest normal force (byte 92); 0 when none.
int MostStretchedElement(const ViewerState& state);

}  // namespace revuzavi
