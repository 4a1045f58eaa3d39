#include "graphics/reanalysis/reanalysis.h"

#include "common/position/file_names.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/inverse_products.h"
#include "graphics/reanalysis/modification.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/working_copies.h"

namespace revuzavi {

common::Result SolveModifiedElementDirect(ViewerState& state, ReanalysisState& run, int e) {
  if (e < 1 || e > state.elements.count()) {
    return common::Result::Fail("Element " + std::to_string(e) + " lies outside 1.." +
                                    std::to_string(state.elements.count()) + ".",
                                "Error");
  }
  if (!EnsureInverse(state, run.inverse)) return InverseMissingForElement();
  if (const common::FileStatus read = ReadDisplacementCopy(state, 0); !read.ok()) {
    return UnusableFile(state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case),
                        read);
  }
  common::ElementRecord& element = state.elements[e];
  element.set_stiffness_factor(state.scales_factor);
  const double q = static_cast<double>(state.scales_factor) - 1.0;

  ReanalysisState one;
  one.picked_elements.Add(e);
  const ModifiedElement modified = ModificationOf(state, one).elements.front();
  const std::array<double, 6> forces = EndForces(modified.k, EndDisplacements(state.displacements, modified.dofs));
  // u = 0 - K^-1 (-f+).
  std::vector<InverseTerm> terms;
  for (std::size_t a = 0; a < 6; ++a) terms.push_back(InverseTerm{modified.dofs[a], q * forces[a]});
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  SubtractInverseColumns(state.inverse_rows, terms, state.displacements, ParallelThreads(state.equation_count()));
  return common::Result::Ok();
}

}  // namespace revuzavi
