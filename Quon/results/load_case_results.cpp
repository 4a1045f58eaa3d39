#include "Quon/results/load_case_results.h"

#include "Quon/results/element_curves.h"
#include "Quon/results/energies.h"
#include "Quon/results/support_reactions.h"

namespace zedir {

common::Result ComputeLoadCaseResults(Run& run) {
  if (common::Result failed = ComputeSupportReactions(run); !failed) return failed;
  if (common::Result failed = WriteElementCurves(run); !failed) return failed;
  return WriteEnergies(run);
}

}  // namespace zedir
