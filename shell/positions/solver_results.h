#pragma once
// The files the solver and the results viewer compute from a model and its load cases, beyond
// those the reset names one by one: reactions, curves, state lines, energies, influence values
// and their listings. A position whose model is replaced or reset loses them, so that no picture
// shows results of another model.
#include <string_view>

#include "common/position/position.h"
#include "shell/positions/folder_cleaner.h"

namespace quentaris {

void DeleteSolverResults(const common::Position& position, FolderCleaner& cleaner);

// The curve files by name: the solver's letter + "0" + load case + "E" + element + extension, the
// viewer's letter + element + load case (digits only, no extension). Exposed for its test.
bool IsSolverCurveFile(std::string_view name, std::string_view ext);
bool IsViewerCurveFile(std::string_view name);
// State lines: NSTAB/MSTAB/QSTAB + digits, NSOURCE/QSOURCE + digits + "ELM" + digits.
bool IsStateLineFile(std::string_view name);

}  // namespace quentaris
