#pragma once
// Reading the load case shown into the viewer's state, and the snapshots of its
// point loads that the views' undo and redo keep.
#include "common/read_outcome.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Reads PL, SRC_L, LLOAD, and when PL flags them the temperatures and PRESTRESS
// of state.current_load_case. A moment (byte 76 = 1) is held with the sign the
// solver computes with: its value at byte 60 negated. A missing PL is an empty
// load case. A load case with point or line loads whose file is missing ends
// the program ("The file <path> is missing"), as does a damaged file or a load
// on a node or element the frame lacks. The state changes only on success.
common::ReadOutcome ReadLoadCaseFiles(ViewerState& state);

// SRC_TEMP<i>: records 1..count of the point-load table, stored as SRC_L stores
// them (a moment with its value as typed). Nothing happens for count below 1;
// false when count exceeds the table or the file cannot be written.
bool WritePointLoadCopy(const ViewerState& state, int count, int i);
// Reads records 1..count of SRC_TEMP<i> into the point-load table (the moments
// negated as ReadLoadCaseFiles does). False, and the table unchanged, when the
// file is missing or shorter, or count exceeds the table.
bool ReadPointLoadCopy(ViewerState& state, int count, int i);
// Removes SRC_TEMP0 .. SRC_TEMP<last>.
void DeletePointLoadCopies(const ViewerState& state, int last);

// SRCAUX<load-case text>: the point loads of the modified frame with the
// releases' records, stored and read as SRC_TEMP<i>.
bool WriteAuxPointLoads(const ViewerState& state, int count);
bool ReadAuxPointLoads(ViewerState& state, int count);

}  // namespace revuzavi
