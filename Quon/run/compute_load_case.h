#pragma once
// Everything a pass does after its input, in this order: the displacements of the load case, its
// results with their pages and the progress text, the normal-force and end-moment influence values
// and the Green's functions of the elements.
#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// A failure stops the pass where it happens; the files written before it stay.
common::Result ComputeLoadCase(Run& run, RunNotifier& notifier);

}  // namespace zedir
