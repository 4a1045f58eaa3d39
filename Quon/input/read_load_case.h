#pragma once
// The load tables of the load case in work: SRC_L, LLOAD and TEMPELEMENTS.
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// SRC_L and LLOAD are required when the PL block counts such loads and must
// hold that many records; the value at byte 60 of a moment (kind 1) is negated
// after reading. The temperature file is read when the load case's temperature
// flag is set and the file exists (one record per element). Node and element
// numbers of the loads are checked. A failure concerns this load case only.
common::Result ReadLoadCaseFiles(Run& run);

}  // namespace zedir
