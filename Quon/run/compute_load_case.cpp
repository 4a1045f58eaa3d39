#include "Quon/run/compute_load_case.h"

#include "Quon/influence/green_functions.h"
#include "Quon/influence/moment_influence.h"
#include "Quon/influence/normal_force_influence.h"
#include "Quon/listings/element_results.h"
#include "Quon/run/messages.h"
#include "Quon/solution/solve_load_case.h"

namespace zedir {

namespace {

common::Result Steps(Run& run, RunNotifier& notifier) {
  if (common::Result failed = SolveLoadCase(run, notifier); !failed) return failed;
  if (common::Result failed = ComputeElementResults(run, notifier); !failed) return failed;
  if (common::Result failed = NormalForceInfluence(run); !failed) return failed;
  if (common::Result failed = MomentInfluence(run); !failed) return failed;
  return NodalDisplacementGreenFunctions(run);
}

}  // namespace

common::Result ComputeLoadCase(Run& run, RunNotifier& notifier) {
  common::Result result = Steps(run, notifier);
  // A file that cannot be stored ends the run: its first failure is the one reported.
  return IsCannotStore(result) ? Abandon(run, std::move(result)) : result;
}

}  // namespace zedir
