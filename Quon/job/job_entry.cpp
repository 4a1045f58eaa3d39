#include "Quon/job/job_entry.h"

#include <algorithm>

#include "Quon/run/messages.h"

namespace zedir {

int UsableEntryCount(const common::SolverJob& job) {
  return std::clamp<int>(job.count(), 0, common::SolverJob::kMaxReadEntries);
}

std::optional<JobCursor> NextJobEntry(const common::SolverJob& job, JobCursor cursor) {
  const int count = UsableEntryCount(job);
  cursor.step_counter += 1;
  if (cursor.entry_index == 0) {
    cursor = JobCursor{1, 1};
  } else if (cursor.entry_index > count || cursor.step_counter > job.step(cursor.entry_index)) {
    cursor = JobCursor{cursor.entry_index + 1, 1};
  }
  while (cursor.entry_index <= count && job.load_case(cursor.entry_index) == 0) {
    cursor = JobCursor{cursor.entry_index + 1, 1};
  }
  if (cursor.entry_index > count) return std::nullopt;
  return cursor;
}

common::Result CheckJob(const std::string& path, const common::SolverJob& job) {
  if (job.count() < 0) return FileDamaged(path, "its count " + std::to_string(job.count()) + " is negative");
  if (job.count() > common::SolverJob::kMaxReadEntries) {
    return FileDamaged(path, "its count " + std::to_string(job.count()) + " is beyond the " +
                                 std::to_string(common::SolverJob::kMaxReadEntries) + " entries it holds");
  }
  if (!NextJobEntry(job, JobCursor{})) {
    return common::Result::Fail("The solver job " + path + " holds no load case to compute.", kFailureCaption);
  }
  return common::Result::Ok();
}

}  // namespace zedir
