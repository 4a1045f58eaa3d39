#include "loads/manage/start_solver.h"

#include <string>
#include <vector>

#include "common/position/solver_job_file.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/process.h"

namespace pundf {

ReadOutcome StartSolver(const LoadModel& model) {
  const common::Position& pos = model.position;
  if (!plat::FileExists(pos.File("INVERSE"))) {
    return ReadOutcome::Fatal(common::Result::Fail("The inverse stiffness matrix is missing. Open Frame in the main "
                                                   "menu and click on save!"),
                              -1);
  }
  const int number = model.load_case.number();
  const int numbers[] = {number};
  auto job = common::MakeSolverJob(numbers);
  if (!job) return ReadOutcome::Refused(job.failure());
  if (auto r = common::WriteSolverJob(pos, *job); !r) return ReadOutcome::Refused(r);

  const std::string archive = common::JoinSettingsPath(model.settings, "EXTV");
  if (!plat::WriteBlock(archive, nullptr, 0)) {
    return ReadOutcome::Refused(common::Result::Fail(" ", "File EXTV cannot be generated"));
  }
  const std::string ext_file = common::JoinSettingsPath(model.settings, "EXTR");
  if (!common::WriteTextBlock(ext_file, pos.ext())) {
    return ReadOutcome::Refused(common::Result::Fail("The file " + ext_file + " cannot be written.", "Error"));
  }
  const std::vector<std::string> args{pos.ext(), "@" + pos.data_path(), "@" + std::to_string(number)};
  if (auto r = plat::StartDetached(plat::SiblingProgram("ZEDIR.EXE"), args); !r) {
    return ReadOutcome::Refused(common::Result::Fail(r.text(), "ZEDIR.EXE"));
  }
  return ReadOutcome::Ok();
}

}  // namespace pundf
