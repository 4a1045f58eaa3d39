#pragma once
// The results of the load case in work after its displacements, in this order: the support
// reactions (with the copy of the displacements), the element curves, the element energies.
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

common::Result ComputeLoadCaseResults(Run& run);

}  // namespace zedir
