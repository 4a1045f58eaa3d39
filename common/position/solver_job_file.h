#pragma once
// Writing the solver job BATCH of a position: the load cases of one solver run,
// as the shell's start dialog and the load input write it.
#include <span>

#include "common/position/position.h"
#include "common/records/solver_job.h"
#include "common/result.h"

namespace common {

// The job of the load-case numbers in their order: each number's low 8 bits
// are its entry, and an entry whose byte is 0 (a multiple of 256) is left out;
// duplicates stay. Every other byte of the block is 0. Fails with "No analysis
// because no loads." (caption "Attention") when no entry remains, and when
// more than 99 remain (a job holds 1..99 entries).
Outcome<SolverJob> MakeSolverJob(std::span<const int> load_cases);

// Writes the job to BATCH of the position (1820 bytes, replacing the file);
// a file that cannot be written gives a message naming it.
Result WriteSolverJob(const Position& position, const SolverJob& job);

}  // namespace common
