#pragma once
// The files a reanalysis run leaves beside its displacement copy. Rebuilt by every run: one that
// cannot be written is skipped (false).
#include "graphics/reanalysis/modification.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Picked: per picked element its int32 number, then its 148-byte record.
bool WritePicked(const ViewerState& state, const PickList& elements);
// PickedNodes: the int32 node numbers.
bool WritePickedNodes(const ViewerState& state, const PickList& nodes);

// ForcesFPlus: int32 count, then per modified element the six end forces f+ = -q K_e u_e of the
// displacements in state as 100-byte point loads: at the start point a force 'X', a force 'Y'
// and a moment, then the same at the end point.
bool WriteForcesFPlus(const ViewerState& state, const Modification& modification);

// ErrorListIteration.txt: "Iteration  = 0   at start error was %7.3E" with the first error and
// "Iterations = %i  last error less than %7.3E" with the count and the bound of the error (or
// "... no error bound: the changes do not shrink" when there is none).
bool WriteIterationErrors(const ViewerState& state, int iterations, double first_error, double last_error);

}  // namespace revuzavi
