#include "Quon/job/choose_entry.h"

#include "Quon/job/job_entry.h"
#include "Quon/run/messages.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "platform/files.h"

namespace zedir {

common::Result ChooseJobEntry(Run& run) {
  const std::string path = run.position.File(common::file_names::kSolverJob);
  run.job.present = plat::FileExists(path);
  if (!run.job.present) return Abandon(run, FileMissing(path));
  auto read = common::ReadBlockRecord<common::SolverJob>(path);
  if (read.status.missing()) {
    run.job.present = false;
    return Abandon(run, FileMissing(path));
  }
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return Abandon(run, damaged);
  run.job.job = read.record;
  if (common::Result bad = CheckJob(path, run.job.job); !bad) return Abandon(run, bad);

  const auto next = NextJobEntry(run.job.job, JobCursor{run.job.entry_index, run.job.step_counter});
  if (!next) {
    return Abandon(run, common::Result::Fail("The solver job " + path + " holds no further load case to compute.",
                                             kFailureCaption));
  }
  run.job.entry_index = next->entry_index;
  run.job.step_counter = next->step_counter;
  run.job.entry_count = UsableEntryCount(run.job.job);
  run.load_case = run.job.job.load_case(run.job.entry_index);
  run.load_case_text = common::CurrentLoadCaseText(run.load_case);
  return common::Result::Ok();
}

}  // namespace zedir
