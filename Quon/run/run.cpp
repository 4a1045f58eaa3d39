#include "Quon/run/run.h"

#include "Quon/job/job_entry.h"

namespace zedir {

bool Run::HasFurtherPass() const {
  if (job.abandoned || !job.present) return false;
  return NextJobEntry(job.job, JobCursor{job.entry_index, job.step_counter}).has_value();
}

common::Result Abandon(Run& run, common::Result failure) {
  if (!failure.ok()) run.job.abandoned = true;
  return failure;
}

}  // namespace zedir
