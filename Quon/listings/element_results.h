#pragma once
// The results of the load case in work after its displacements, with their listings: the support
// reactions, element curves and energies, then the result page and the nodal-displacement page,
// each with its line in the output list FILES, and the progress of the job.
#include <string>

#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

inline constexpr const char* kResultPageContents = "    Results ";
inline constexpr const char* kDisplacementPageContents = "    Nodal Displacements ";

// "LC <lc>" for a job of fewer than 2 entries, else "LC <lc> = <entry> of <count>".
std::string ProgressText(const Run& run);

// Two pages, each numbered by UpdateLastD and stored by StorePage. A page counter that cannot
// hand out a page ends the run; so does a page, LASTD or FILES that cannot be stored.
common::Result WriteLoadCasePages(Run& run);

// The results, the pages, and, when the run works from a job, the progress text.
common::Result ComputeElementResults(Run& run, RunNotifier& notifier);

}  // namespace zedir
