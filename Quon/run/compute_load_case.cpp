#include "Quon/run/compute_load_case.h"

#include "Quon/influence/green_functions.h"
#include "Quon/influence/moment_influence.h"
#include "Quon/influence/normal_force_influence.h"
#include "Quon/listings/element_results.h"
#include "Quon/solution/solve_load_case.h"

namespace zedir {

common::Result ComputeLoadCase(Run& run, RunNotifier& notifier) {
  if (common::Result failed = SolveLoadCase(run, notifier); !failed) return failed;
  if (common::Result failed = ComputeElementResults(run, notifier); !failed) return failed;
  NormalForceInfluence(run);
  MomentInfluence(run);
  NodalDisplacementGreenFunctions(run);
  return common::Result::Ok();
}

}  // namespace zedir
