#pragma once
// The viewer's reading of PSCALA.
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Reads PSCALA into state.print_scales: a text scale below 0.1 is taken as 1. A
// missing file gets the default block, which is written. Sets the text scale
// and the second print factor (1.0).
void ReadPrintScales(ViewerState& state);

}  // namespace revuzavi
