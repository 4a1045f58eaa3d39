#pragma once
// The ends of a reading: a missing file that the viewer cannot go on without,
// and a damaged one. Both end the program with exit code -1 at its top level.
#include <string>

#include "common/read_outcome.h"
#include "common/records/record_files.h"

namespace revuzavi {

// "The file <path> is missing"
common::ReadOutcome FileMissingEnd(const std::string& path);

// Ok when the file can be opened for reading, else FileMissingEnd.
common::ReadOutcome ExitIfFileMissing(const std::string& path);

// Ok unless the status is damaged; then "The file <path> is damaged: ..." ends the program.
common::ReadOutcome EndIfDamaged(const std::string& path, const common::FileStatus& status);

// The status of a damaged file with its problem.
common::FileStatus DamagedStatus(std::string problem);

// "The file <path> is damaged: <problem>." ends the program.
common::ReadOutcome DamagedEnd(const std::string& path, const std::string& problem);

}  // namespace revuzavi
