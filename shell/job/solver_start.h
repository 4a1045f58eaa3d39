#pragma once
// Starting the solver on the load cases of the start dialog's table: the job
// BATCH, the position record EXTV and EXTR, then ZEDIR without waiting.
#include <string>
#include <vector>

#include "common/result.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// The load cases of the table's texts (rows 1 on, in order): an empty text,
// one whose integer value (atoi) is 0, or one without a number is skipped; a
// value outside 1..99 refuses the whole table with a message naming its row.
common::Outcome<std::vector<int>> LoadCasesOfRows(const std::vector<std::string>& rows);

// Writes the job of the rows, EXTV and EXTR and starts ZEDIR. Every failure
// is shown in a message box and stops what follows; true when ZEDIR started.
bool StartSolverJob(const ShellState& state, const std::vector<std::string>& rows);

inline constexpr const char* kPositionArchiveFile = "EXTV";
inline constexpr const char* kPositionExtFile = "EXTR";
inline constexpr const char* kSolverProgram = "ZEDIR.EXE";

}  // namespace quentaris
