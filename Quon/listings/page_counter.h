#pragma once
// The listing page in work: the page counter LASTD hands out its number.
#include "Quon/run/run.h"
#include "common/result.h"

namespace zedir {

// A missing LASTD is created holding 2; its value is raised by 1 and written back, and the run's
// page label becomes "D<value>" and its page file position folder + label + ".TXT". A LASTD that is
// missing after its creation, or damaged, fails (" The file <path> does not exist " or the damaged
// file's message) and leaves the page as it was.
common::Result UpdateLastD(Run& run);

}  // namespace zedir
