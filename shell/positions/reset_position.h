#pragma once
// The reset of a position: every intermediate and result file goes; the model, the load cases,
// the echo texts, DIARY and the listings D1 and D2 stay, so that the position can be computed
// again.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"

namespace quentaris {

class FolderCleaner;

struct ResetReport {
  // Damaged counts (named; the steps that need them are skipped), files that could not be
  // deleted, files that could not be written.
  std::vector<common::Result> problems;
  bool ok() const { return problems.empty(); }
};

// Deletes the results of the position. With `delete_outputs` also the text listings but D1 and D2
// (FILES keeps their lines, LASTD becomes 2) and the exported pictures with their list
// GRAPHICFILES.TXT and counter CLIP<ext>. Keeps the history records of flag 0 and adds the reset's
// own; sets the page and sheet numbers of PAGENR to 1.
ResetReport ResetPosition(const common::Position& position, bool delete_outputs);

// "The file %s cannot be deleted." for each file the cleaner could not delete.
void ReportDeleteFailures(const FolderCleaner& cleaner, ResetReport& report);

}  // namespace quentaris
