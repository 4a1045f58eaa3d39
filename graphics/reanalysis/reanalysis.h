#pragma once
// The reanalysis of the frame modified in the viewer: elements whose stiffness is scaled by a
// factor k (k = 0 removes one) and supports whose spring is changed, computed from K^-1 of the
// stored frame without a new factorisation. The views call these on picks and keys; a run tells
// its end to the view and leaves the displacements of the modified frame in state.displacements
// and in the step's copy UCT8<step>. A failure returns the message for the view to show.
#include "common/result.h"
#include "graphics/picture/picture_state.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// One-click: element e gets k = state.scales_factor; state.displacements becomes K^-1 f+, the
// displacements that the forces f+ = -(k - 1) K_e u_e cause, u the displacements of the load
// case (UT8). Nothing is computed without a usable INVERSE or UT8.
common::Result SolveModifiedElementDirect(ViewerState& state, ReanalysisState& run, int e);

// The run over the picked elements and nodes with the parameters of "Scales", directly (one small
// system of the elements' dofs and the changed support directions) or iteratively by run.method. Picked elements whose k is still -1 get the factor; removed ones
// (k < 1e-8) are switched off unless the view shows removed elements. On success writes
// UCT8<step>, Picked, PickedNodes, ForcesFPlus and, iterating, ErrorListIteration.txt, then
// increments step and redraws. A run that does not converge (more than 100 divergent
// iterations, or the iteration limit with the error above eps) or a singular system ends with
// its message: displacements and element records are as before and nothing is written.
common::Result IterateModifiedStiffness(ViewerState& state, ReanalysisState& run, ReanalysisView& view, int& step);

// The direct run for the changed supports of the picked nodes (Delta k = c S): writes
// PickedNodes and UCT8<step>, increments step and redraws. Ok without picked nodes.
common::Result SolveModifiedNodesDirect(ViewerState& state, ReanalysisState& run, ReanalysisView& view, int& step);

// Removes the working copies of steps 0..max(1, steps, the most releases), the point-load copies
// SRC_TEMP<i> of the same steps and the files of a modification.
void DeleteWorkingCopies(const ViewerState& state, const ReanalysisState& run);

// Removes the copies UCT8<i> (i > 0), KNOTENRTEMP<i>, ELEMENTS<i> and LKNOTENRTEMP<i> of the steps first..last.
void DeleteStepCopies(const ViewerState& state, int first, int last);

// Esc: deletes ForcesFPlus, the RHSGElM files of the picked elements and the working copies of
// steps 0..max(1, run.step_count); clears the picks, the step table and the element marks; reads
// UT8, NODES, ELEMENTS and LKNOTENR again, clears the label positions and tells the view to clear
// its picture flags. Fails, naming it, when one of the files read is damaged (its table stays as
// it was).
common::Result ResetModifications(ViewerState& state, ReanalysisState& run, PictureState& picture,
                                  ReanalysisView& view);

// Empties the label-position tables of the pictures: the next drawing places its labels afresh.
void ClearLabelPositions(PictureState& picture);

}  // namespace revuzavi
