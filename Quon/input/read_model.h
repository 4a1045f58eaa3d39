#pragma once
// The model files of a pass: MATR, ELEMENTS, NODES, LKNOTENR, CROSS, then the
// rewrite of PARAMR with the counts that the table files gave.
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// A missing MATR or CROSS gets the default material or cross section of the
// frame model, written as the file. ELEMENTS, NODES and LKNOTENR are required
// when PARAMR counts such records. A damaged file, a missing PARAMR, or an index
// out of range in the model ends the run.
common::Result ReadModelFiles(Run& run);

}  // namespace zedir
