#pragma once
// The input of one pass, read afresh in this order: EXTR, DPATH and the position
// folder, GEOMETRY (it must hold 1: a stored, checked frame), the solver job (the entry of this pass), LASTD, PARAMR and the load
// case's PL, DIARY, MATRIX present or not, the model files, the load tables.
#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/result.h"
#include "common/settings.h"

namespace zedir {

inline constexpr const char* kStiffnessMatrixFile = "MATRIX";

// A failure of the load case leaves run.HasFurtherPass() as the job says; a
// failure that every pass would meet ends the run (see Abandon).
common::Result SetupRun(Run& run, const common::SettingsContext& settings, RunNotifier& notifier);

}  // namespace zedir
