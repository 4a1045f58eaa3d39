#pragma once
// Reading the solver job of the position and choosing the entry of this pass.
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// Reads "BATCH" + extension from the position folder, moves the job cursor on
// and sets the load case of the pass. A missing, damaged or empty job ends the
// run (Abandon).
common::Result ChooseJobEntry(Run& run);

}  // namespace zedir
