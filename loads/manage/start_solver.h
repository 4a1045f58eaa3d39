#pragma once
// Starting the solver for the load case just stored: its job staged with the store
// (StoreLoadCaseLocked), then the solver started.
#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"
#include "loads/store/staged_files.h"

namespace pundf {

// Stages the solver's job for the current load case:
// 1. INVERSE<ext> must exist, else "The inverse stiffness matrix is missing.
//    Open Frame in the main menu and click on save!" and the program ends
//    (exit code -1); nothing is staged then.
// 2. BATCH<ext>: a job of this one load case.
// 3. EXTV in the settings folder, empty.
// 4. EXTR in the settings folder: the 241-byte PositionExt.
ReadOutcome StageSolverJob(const LoadModel& model, StagedFiles& staged);

// A commit of the staged job that failed on EXTV keeps that file's caption
// "File EXTV cannot be generated"; any other failure stays as it is.
common::Result SolverJobFailure(const LoadModel& model, common::Result failure);

// The sibling ZEDIR, detached, with the arguments PositionExt, "@" + data path
// and "@" + the load-case number; a failed start shows the system's text
// captioned "ZEDIR.EXE".
ReadOutcome StartSolverProcess(const LoadModel& model);

}  // namespace pundf
