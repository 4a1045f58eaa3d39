#pragma once
// The working copies of a modification step i: the displacements (UCT8<i>), the nodes with the
// step's table entry (KNOTENRTEMP<i>), the elements (ELEMENTS<i>) and the supports
// (LKNOTENRTEMP<i>). For i <= 0 the readers read the load case's own files: UT8 of the current
// load case, NODES, ELEMENTS and LKNOTENR.
//
// A missing file changes nothing. A damaged one (shorter than its count says, a count beyond the
// table, a number that is not finite, an index outside the frame) changes nothing either and is
// returned as such, for the caller to report with common::CheckFile. A copy that cannot be
// written is skipped: the writers tell it by false.
#include "common/records/record_files.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// UCT8<i> (1001 doubles), or UT8 of the load case, into state.displacements.
common::FileStatus ReadDisplacementCopy(ViewerState& state, int i);
// state.displacements to UCT8<i>.
bool WriteDisplacementCopy(const ViewerState& state, int i);

// KNOTENRTEMP<i>: the int32 node-pick count of step i in `steps`, then node records 1..count.
bool WriteNodeCopy(const ViewerState& state, const StepTable& steps, int i);
// Node records 1..the current node count from KNOTENRTEMP<i> (its int32 into the step table's
// node entry of step i) or from NODES (entry 0 is cleared).
common::FileStatus ReadNodeCopy(ViewerState& state, StepTable& steps, int i);

// ELEMENTS<i>: int16 count, then the element records with their reanalysis marks.
bool WriteElementCopy(const ViewerState& state, int i);
// The elements of ELEMENTS<i>, or of ELEMENTS with the marks of an unmodified element (bytes 0,
// 4 and 16 zero, k -1), with the count of the file.
common::FileStatus ReadElementCopy(ViewerState& state, int i);

// The supports of LKNOTENRTEMP<i>, or of LKNOTENR, with the count of the file.
common::FileStatus ReadNodeRefCopy(ViewerState& state, int i);

}  // namespace revuzavi
