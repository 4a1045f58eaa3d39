#pragma once
// The walk over the entries of a solver job. Entry k is computed as many times
// in a row as its step byte says, at least once; entries whose load-case byte is
// 0 are skipped; a count beyond 100 is read as 100.
#include <optional>
#include <string>

#include "common/records/solver_job.h"
#include "common/result.h"

namespace zedir {

struct JobCursor {
  int entry_index = 0;   // 1-based; 0 before the first pass
  int step_counter = 0;  // passes made on that entry
};

// The job's entry count as the solver uses it: 0..100 (a negative count is 0).
int UsableEntryCount(const common::SolverJob& job);

// The entry and step of the pass after `cursor`; nullopt when the job has no
// further entry to compute.
std::optional<JobCursor> NextJobEntry(const common::SolverJob& job, JobCursor cursor);

// Success, or the failure of a job file that cannot be walked (a negative count
// or one beyond the 100 entries: damaged; no load case at all); `path` names
// the file.
common::Result CheckJob(const std::string& path, const common::SolverJob& job);

}  // namespace zedir
