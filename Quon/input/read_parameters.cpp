#include "Quon/input/read_parameters.h"

#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"

namespace zedir {
namespace {

constexpr std::size_t kLongestStatusTitle = 81;
constexpr std::size_t kKeptTitleCharacters = 77;

// Why a count of the PL block cannot be used, or empty.
std::string CountProblem(int count, int capacity, const char* what) {
  if (count < 0) return "its count of " + std::string(what) + " " + std::to_string(count) + " is negative";
  if (count > capacity) {
    return "it claims " + std::to_string(count) + " " + what + ", the table holds at most " + std::to_string(capacity);
  }
  return {};
}

common::Result ReadFrameParams(Run& run, RunNotifier& notifier) {
  const std::string path = run.position.File(common::file_names::kFrameParams);
  if (common::Result missing = RequireFile(path); !missing) return Abandon(run, missing);
  auto read = common::ReadBlockRecord<common::FrameParams>(path);
  if (read.status.missing()) return Abandon(run, FileMissing(path));
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return Abandon(run, damaged);
  const int n = read.record.equation_count();
  if (n < 0 || n > kMaxEquations) {
    return Abandon(run, FileDamaged(path, "its number of equations " + std::to_string(n) + " lies outside 0.." +
                                              std::to_string(kMaxEquations)));
  }
  run.params = read.record;
  if (n == 0) notifier.Message("Number of equations = Null", "ZEDIR");
  run.params.set_column_flag(0);
  notifier.StatusText(StatusTitle(run.position_name, run.params.title()));
  return common::Result::Ok();
}

common::Result ReadLoadCaseParams(Run& run) {
  const std::string path = run.position.LoadCaseFile(common::file_names::kLoadCaseParams, run.load_case);
  if (common::Result missing = RequireFile(path); !missing) return missing;
  auto read = common::ReadBlockRecord<common::LoadCaseParams>(path);
  if (read.status.missing()) return FileMissing(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  std::string problem = CountProblem(read.record.point_load_count(), common::kMaxPointLoads, "point loads");
  if (problem.empty()) {
    problem = CountProblem(read.record.line_load_record_count(), common::kMaxLineLoads, "line loads");
  }
  if (!problem.empty()) return FileDamaged(path, problem);
  run.load_case_params = read.record;
  return common::Result::Ok();
}

}  // namespace

std::string StatusTitle(std::string_view position_name, std::string_view title) {
  std::string text = std::string(position_name) + "   " + std::string(title);
  if (text.size() > kLongestStatusTitle) text = text.substr(0, kKeptTitleCharacters) + "...";
  return text;
}

common::Result ReadParameters(Run& run, RunNotifier& notifier) {
  if (common::Result failed = ReadFrameParams(run, notifier); !failed) return failed;
  return ReadLoadCaseParams(run);
}

}  // namespace zedir
