#pragma once
// Starting the solver on the load cases of the start dialog's table: the job
// BATCH, the position record EXTV and EXTR, then ZEDIR without waiting.
#include <functional>
#include <string>
#include <vector>

#include "common/result.h"
#include "platform/process.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// The load cases of the table's texts (rows 1 on, in order): an empty text,
// one whose integer value (atoi) is 0, or one without a number is skipped; a
// value outside 1..99 refuses the whole table with a message naming its row.
common::Outcome<std::vector<int>> LoadCasesOfRows(const std::vector<std::string>& rows);

// What is done with ZEDIR's end (on the user-interface thread).
using SolverEnded = std::function<void(const plat::ProgramEnd&)>;

// Writes the job of the rows, EXTV and EXTR and starts ZEDIR. Every failure
// is shown in a message box and stops what follows; true when ZEDIR started.
// ZEDIR's end goes to `ended`; without it, to the shell's main window.
bool StartSolverJob(const ShellState& state, const std::vector<std::string>& rows, SolverEnded ended);
bool StartSolverJob(const ShellState& state, const std::vector<std::string>& rows);

// The status line of ZEDIR's end: done, or failed with ZEDIR's own message
// (its lines joined) or, without one, its exit code.
std::string SolverEndText(const plat::ProgramEnd& end);

inline constexpr const char* kPositionArchiveFile = "EXTV";
inline constexpr const char* kPositionExtFile = "EXTR";
inline constexpr const char* kSolverProgram = "ZEDIR.EXE";

}  // namespace quentaris
