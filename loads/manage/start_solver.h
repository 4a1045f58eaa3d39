#pragma once
// Starting the solver for the load case just stored.
#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

// Starts ZEDIR for the current load case:
// 1. INVERSE<ext> must exist, else "The inverse stiffness matrix is missing.
//    Open Frame in the main menu and click on save!" and the program ends
//    (exit code -1).
// 2. BATCH<ext>: a job of this one load case.
// 3. EXTV in the settings folder, created empty; when it cannot be, a message
//    captioned "File EXTV cannot be generated".
// 4. EXTR in the settings folder: the 241-byte PositionExt.
// 5. The sibling ZEDIR, detached, with the arguments PositionExt, "@" + data
//    path and "@" + the load-case number; a failed start shows the system's
//    text captioned "ZEDIR.EXE".
// A file that cannot be written refuses the start with a message naming it,
// so that the solver never runs on a stale job or position.
ReadOutcome StartSolver(const LoadModel& model);

}  // namespace pundf
