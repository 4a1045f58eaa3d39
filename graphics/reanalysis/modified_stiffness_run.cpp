#include "graphics/reanalysis/reanalysis.h"

#include <utility>

#include "common/position/file_names.h"
#include "graphics/fem/element_load_vector.h"
#include "graphics/reanalysis/direct_solution.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/iteration.h"
#include "graphics/reanalysis/iteration_load_vector.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/run_files.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

// The element records, displacements and typed factors of before a run, put back when it gives
// no result.
class RunUndo {
 public:
  RunUndo(ViewerState& state, ReanalysisState& run)
      : state_(state),
        run_(run),
        elements_(state.elements),
        displacements_(state.displacements),
        typed_factors_(run.typed_factors) {}
  common::Result Restore(common::Result failure) {
    state_.elements = std::move(elements_);
    state_.displacements = std::move(displacements_);
    run_.typed_factors = std::move(typed_factors_);
    return failure;
  }

 private:
  ViewerState& state_;
  ReanalysisState& run_;
  common::ElementTable elements_;
  std::vector<double> displacements_;
  std::vector<TypedFactor> typed_factors_;
};

// The picked elements get the factor when they have none, and removed ones are switched off. The
// direct method solves an element whose k is below 0.01 with 0.01: a removed one keeps its k 0
// (it is gone with its loads), any other is drawn and computed with the k solved with, the typed
// k kept in run.typed_factors.
void MarkPickedElements(ViewerState& state, ReanalysisState& run) {
  const bool direct = run.method != ReanalysisState::kIterative;
  for (int e : run.picked_elements.items()) {
    if (e < 1 || e > state.elements.count()) continue;
    common::ElementRecord& element = state.elements[e];
    if (element.stiffness_factor() == -1.0f) element.set_stiffness_factor(state.scales_factor);
    if (!run.show_removed && element.stiffness_factor() < 1e-8f) element.set_switched_off_flag(1);
    if (direct && !IsRemovedElement(element) && RuleReplaces(element.stiffness_factor())) {
      std::erase_if(run.typed_factors, [e](const TypedFactor& t) { return t.element == e; });
      run.typed_factors.push_back(TypedFactor{e, element.stiffness_factor()});
      element.set_stiffness_factor(kRuleFactor);
    }
  }
}

// The typed k of the last picked element that the run solves with the rule's k: a removed one in
// the direct method, or one whose record holds the rule's k in place of its typed k.
float RuleTypedFactor(const ViewerState& state, const ReanalysisState& run) {
  float typed = -1.0f;
  for (int e : run.picked_elements.items()) {
    if (e < 1 || e > state.elements.count()) continue;
    const common::ElementRecord& element = state.elements[e];
    if (run.method != ReanalysisState::kIterative && IsRemovedElement(element)) typed = element.stiffness_factor();
    if (element.stiffness_factor() != kRuleFactor) continue;
    for (const TypedFactor& t : run.typed_factors) {
      if (t.element == e) typed = t.typed;
    }
  }
  return typed;
}

// The nodal loads of the removed elements' own loads (n + 1 slots).
std::vector<double> RemovedOwnLoads(const ViewerState& state, const Modification& modification) {
  const int n = state.equation_count();
  std::vector<double> loads(static_cast<std::size_t>(n) + 1, 0.0);
  for (const ModifiedElement& element : modification.elements) {
    const mechanics::Vector own = ElementLoadVector(state, element.element);
    for (int i = 1; i <= n; ++i) loads[static_cast<std::size_t>(i)] += own[i];
  }
  return loads;
}

// The iterative run; the failure when it gives no result. A removal that leaves a mechanism is
// refused as the direct method refuses it, before the iteration could converge on a mechanism
// that its load does not move. Stopped at its limit, the last iterate is the result, not
// converged.
common::Result IterateRun(ViewerState& state, ReanalysisState& run, ReanalysisView& view,
                          const Modification& modification) {
  if (RemovalLeavesMechanism(state.inverse_rows, modification, state.params.support_stiffness(),
                             RemovedOwnLoads(state, modification), state.displacements)) {
    return MechanismLeft();
  }
  auto f = IterationLoadVector(state, modification);
  if (!f) return f.failure();
  const bool nodes = !run.picked_nodes.empty();
  const IterationResult result =
      Iterate(state.inverse_rows, modification, state.params.support_stiffness(), *f, state.displacements,
              nodes ? run.scales.node_eps : run.scales.element_eps, nodes ? run.scales.node_limit : run.scales.element_limit);
  if (!result.converged && !result.at_limit) {
    view.OnRunEnded();
    return NoConvergence(result.divergences, result.step_change);
  }
  run.iteration_count = result.iterations;
  run.first_error = result.first_error;
  run.last_error = result.error;
  run.converged = result.converged;
  return common::Result::Ok();
}

}  // namespace

common::Result IterateModifiedStiffness(ViewerState& state, ReanalysisState& run, ReanalysisView& view, int& step) {
  (void)plat::RemoveFile(state.position.FolderFile(kIterationErrorFile));
  ReadScales(state, run.scales);
  if (!EnsureInverse(state, run.inverse)) return InverseMissingForRun();

  RunUndo undo(state, run);
  MarkPickedElements(state, run);
  if (const common::FileStatus read = ReadDisplacementCopy(state, 0); !read.ok()) {
    return undo.Restore(UnusableFile(
        state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case), read));
  }
  const Modification modification = ModificationOf(state, run);
  const bool iterative = run.method == ReanalysisState::kIterative;
  if (iterative) {
    if (common::Result failed = IterateRun(state, run, view, modification); !failed) return undo.Restore(failed);
  } else {
    if (common::Result failed = SolveDirect(state.inverse_rows, modification, state.params.support_stiffness(),
                                            RemovedOwnLoads(state, modification), state.displacements,
                                            state.position);
        !failed) {
      return undo.Restore(failed);
    }
    run.iteration_count = 0;
    run.converged = true;
  }
  run.rule_typed_k = RuleTypedFactor(state, run);

  view.OnRunEnded();
  if (!run.picked_elements.empty()) (void)WritePicked(state, run.picked_elements);
  if (!run.picked_nodes.empty()) (void)WritePickedNodes(state, run.picked_nodes);
  (void)WriteDisplacementCopy(state, step);
  if (iterative) (void)WriteIterationErrors(state, run.iteration_count, run.first_error, run.last_error);
  // f+ with the factors solved with.
  Modification solved = modification;
  if (!iterative) {
    for (ModifiedElement& e : solved.elements) e.q = DirectFactor(e.q);
  }
  (void)WriteForcesFPlus(state, solved);
  ++step;
  view.Redraw();
  return common::Result::Ok();
}

}  // namespace revuzavi
