#include "graphics/reanalysis/reanalysis.h"

#include "common/position/file_names.h"
#include "graphics/reanalysis/direct_solution.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/run_files.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"

namespace revuzavi {

common::Result SolveModifiedNodesDirect(ViewerState& state, ReanalysisState& run, ReanalysisView& view, int& step) {
  ReadScales(state, run.scales);
  if (run.picked_nodes.empty()) return common::Result::Ok();
  (void)WritePickedNodes(state, run.picked_nodes);
  if (!EnsureInverse(state, run.inverse)) return InverseMissingForNodes();
  std::vector<double> before = state.displacements;
  if (const common::FileStatus read = ReadDisplacementCopy(state, 0); !read.ok()) {
    return UnusableFile(state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case),
                        read);
  }
  ReanalysisState nodes_only;
  nodes_only.picked_nodes = run.picked_nodes;
  const Modification modification = ModificationOf(state, nodes_only);
  const std::vector<double> no_loads(static_cast<std::size_t>(state.equation_count()) + 1, 0.0);
  if (common::Result failed = SolveDirect(state.inverse_rows, modification, state.params.support_stiffness(), no_loads,
                                          state.displacements, state.position);
      !failed) {
    state.displacements = std::move(before);
    return failed;
  }
  run.iteration_count = 0;
  (void)WriteDisplacementCopy(state, step);
  ++step;
  view.Redraw();
  return common::Result::Ok();
}

}  // namespace revuzavi
