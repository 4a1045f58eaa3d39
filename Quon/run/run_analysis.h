#pragma once
// The run driver: one pass per entry of the solver job, each reading its input
// afresh and computing its load case, while the run holds its position against
// other runs.
#include <stop_token>
#include <string>
#include <vector>

#include "Quon/run/notifier.h"
#include "Quon/run/run.h"
#include "common/result.h"
#include "common/settings.h"

namespace zedir {

struct RunReport {
  int passes = 0;                        // passes begun
  int computed = 0;                      // passes that computed their load case
  std::vector<common::Result> failures;  // in the order met
  bool stopped = false;                  // a stop request ended the run before its job did

  bool ok() const { return failures.empty(); }
  // Every failure's text, one a line; empty without failures.
  std::string FailureText() const;
  // The caption of the first failure.
  std::string FailureCaption() const;
};

// How often a run that waits for another run's lock looks again.
inline constexpr int kLockPollMilliseconds = 50;

// "Waiting for position <name>: another program is storing or computing it"
std::string LockWaitText(const std::string& position_name);

// Passes while the job has entries. A failure of one load case (its files
// missing, a singular settlement system) is shown as status text, kept in the
// report, and the next entry follows; a failure every pass would meet (no
// position, no model, no job, no inverse) ends the run. Before a pass the
// lock of its position is taken, waiting while another program holds it (the
// notifier's LockWait and a status text, told again every second), and kept
// until the run ends. A stop
// request ends the run between passes and while it waits.
RunReport RunAnalysis(Run& run, const common::SettingsContext& settings, RunNotifier& notifier,
                      std::stop_token stop = {});

}  // namespace zedir
