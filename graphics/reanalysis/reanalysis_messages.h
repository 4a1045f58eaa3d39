#pragma once
// The messages of the reanalysis runs.
#include <string>

#include "common/records/record_files.h"
#include "common/result.h"

namespace revuzavi {

// INVERSE missing or damaged, and none read before: the text of each run, caption "OK".
common::Result InverseMissingForElement();
common::Result InverseMissingForRun();
common::Result InverseMissingForNodes();

// The iteration stopped without a result: caption "Stop after <d> divergent loops, error =
// <error>", text "No convergence, K + Delta K probably singular".
common::Result NoConvergence(int divergences, double error);

// A removal leaves a mechanism (either method): the iteration's text, caption "Error".
common::Result MechanismLeft();

// What a report page says of a run that gave no result: the figures of an iteration that
// diverged (NoConvergence's caption), else the message's text.
std::string StopNote(const common::Result& stopped);

// A result file the run needs: "The file <path> is missing." or, when damaged, common::CheckFile's
// message.
common::Result UnusableFile(const std::string& path, const common::FileStatus& status);

}  // namespace revuzavi
