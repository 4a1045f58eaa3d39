#pragma once
// K^-1 of the stored frame for the reanalysis: ViewerState::inverse_rows, read from INVERSE in
// this run of the program and kept while the file stays as it was (size and time).
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// True when inverse_rows holds an INVERSE of the frame's n equations read in this run: the file
// is read anew when it changed since; a file that is now missing or damaged leaves the rows read
// before. False when none was read (nothing may be computed then).
bool EnsureInverse(ViewerState& state, InverseStamp& stamp);

}  // namespace revuzavi
