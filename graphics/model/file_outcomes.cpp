#include "graphics/model/file_outcomes.h"

#include <cstdio>
#include <utility>

namespace revuzavi {

common::ReadOutcome FileMissingEnd(const std::string& path) {
  return common::ReadOutcome::Fatal(common::Result::Fail("The file " + path + " is missing", "Error"), -1);
}

common::ReadOutcome ExitIfFileMissing(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return FileMissingEnd(path);
  std::fclose(file);
  return common::ReadOutcome::Ok();
}

common::ReadOutcome EndIfDamaged(const std::string& path, const common::FileStatus& status) {
  if (common::Result check = common::CheckFile(path, status); !check) return common::ReadOutcome::Fatal(check, -1);
  return common::ReadOutcome::Ok();
}

common::FileStatus DamagedStatus(std::string problem) {
  common::FileStatus status;
  status.state = plat::TableState::kDamaged;
  status.problem = std::move(problem);
  return status;
}

common::ReadOutcome DamagedEnd(const std::string& path, const std::string& problem) {
  return EndIfDamaged(path, DamagedStatus(problem));
}

}  // namespace revuzavi
