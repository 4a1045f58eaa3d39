#include "common/position/solver_job_file.h"

#include <cstdint>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/records/record_files.h"

namespace common {

Outcome<SolverJob> MakeSolverJob(std::span<const int> load_cases) {
  std::vector<std::uint8_t> entries;
  for (int number : load_cases) {
    const auto byte = static_cast<std::uint8_t>(number & 0xFF);
    if (byte != 0) entries.push_back(byte);
  }
  if (entries.empty()) return Result::Fail("No analysis because no loads.", "Attention");
  if (entries.size() > static_cast<std::size_t>(SolverJob::kMaxWrittenEntries)) {
    return Result::Fail("A solver job holds at most " + std::to_string(SolverJob::kMaxWrittenEntries) +
                            " load cases; " + std::to_string(entries.size()) + " were given.",
                        "Attention");
  }
  SolverJob job;
  job.set_count(static_cast<std::int16_t>(entries.size()));
  for (std::size_t k = 0; k < entries.size(); ++k) job.set_load_case(static_cast<int>(k) + 1, entries[k]);
  return job;
}

Result WriteSolverJob(const Position& position, const SolverJob& job) {
  const std::string path = position.File(file_names::kSolverJob);
  if (WriteBlockRecord(path, job)) return Result::Ok();
  return Result::Fail("The file " + path + " cannot be written.", "Error");
}

}  // namespace common
