#pragma once
// The reanalysis parameters of "Scales" (position folder, 20 bytes): float k, float eps of
// element runs, float eps of node runs, int32 iteration limits of element and node runs.
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Reads the file into state.scales_factor (k, the ScalesFactor of the runs) and scales (the
// rest). A file that is missing, short, or holds a number that is not finite, a negative k or an
// eps that is not above 0 gives k 0, the default bounds and the limit 50000 for both kinds of run.
void ReadScales(ViewerState& state, ScalesParams& scales);

// Writes state.scales_factor and `scales` to the file, whole or not at all; false when it fails.
bool WriteScales(const ViewerState& state, const ScalesParams& scales);

}  // namespace revuzavi
