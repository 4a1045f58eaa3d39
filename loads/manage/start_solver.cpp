#include "loads/manage/start_solver.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/position/solver_job_file.h"
#include "common/settings_files.h"
#include "platform/files.h"
#include "platform/process.h"

namespace pundf {
namespace {

std::string ArchiveFile(const LoadModel& model) { return common::SettingsWritePath(model.settings, "EXTV"); }

}  // namespace

ReadOutcome StageSolverJob(const LoadModel& model, StagedFiles& staged) {
  const common::Position& pos = model.position;
  if (!plat::FileExists(pos.File("INVERSE"))) {
    return ReadOutcome::Fatal(common::Result::Fail("The inverse stiffness matrix is missing. Open Frame in the main "
                                                   "menu and click on save!"),
                              -1);
  }
  const int numbers[] = {model.load_case.number()};
  auto job = common::MakeSolverJob(numbers);
  if (!job) return ReadOutcome::Refused(job.failure());
  const auto& bytes = job->bytes();
  staged.Set(pos.File(common::file_names::kSolverJob), std::string(reinterpret_cast<const char*>(bytes.data()),
                                                                   bytes.size()));
  staged.Set(ArchiveFile(model), std::string());
  // EXTR: the extension, terminated, in a text field.
  std::string ext(common::kTextFieldSize, '\0');
  pos.ext().copy(ext.data(), std::min(pos.ext().size(), common::kTextFieldSize - 1));
  staged.Set(common::SettingsWritePath(model.settings, "EXTR"), std::move(ext));
  return ReadOutcome::Ok();
}

common::Result SolverJobFailure(const LoadModel& model, common::Result failure) {
  if (failure.text() == CannotWrite(ArchiveFile(model)).text()) {
    return common::Result::Fail(failure.text(), "File EXTV cannot be generated");
  }
  return failure;
}

ReadOutcome StartSolverProcess(const LoadModel& model) {
  const common::Position& pos = model.position;
  const std::vector<std::string> args{pos.ext(), "@" + pos.data_path(), "@" + std::to_string(model.load_case.number())};
  if (auto r = plat::StartDetached(plat::SiblingProgram("ZEDIR.EXE"), args); !r) {
    return ReadOutcome::Refused(common::Result::Fail(r.text(), "ZEDIR.EXE"));
  }
  return ReadOutcome::Ok();
}

}  // namespace pundf
