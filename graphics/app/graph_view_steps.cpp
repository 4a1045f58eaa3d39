// The picture view's steps of a modification: Left and Right between the
// steps and the release steps, and Space between the stored and the modified
// frame.
#include <algorithm>

#include "graphics/app/graph_view.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/reanalysis/working_copies.h"

namespace revuzavi {
namespace {

// The first n entries of a pick order.
PickList FirstPicks(const PickList& order, int n) {
  PickList picks = order;
  picks.Truncate(std::clamp(n, 0, order.count()));
  return picks;
}

}  // namespace

void CGRAPHView::SaveStep(int s) {
  if (s < 1) return;
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  run.steps.element_count(s) = run.picked_elements.count();
  run.steps.node_count(s) = run.picked_nodes.count();
  (void)WriteDisplacementCopy(state, s);
  (void)WriteElementCopy(state, s);
  (void)WriteNodeCopy(state, run.steps, s);
}

void CGRAPHView::LoadStep(int s) {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  (void)ReadDisplacementCopy(state, s);
  (void)ReadElementCopy(state, s);
  (void)ReadNodeCopy(state, run.steps, s);
  (void)ReadNodeRefCopy(state, s);
  run.picked_elements = FirstPicks(modes_.history_elements, s < 1 ? 0 : run.steps.element_count(s));
  run.picked_nodes = FirstPicks(modes_.history_nodes, s < 1 ? 0 : run.steps.node_count(s));
  run.current_step = s;
  const auto& figures = modes_.step_figures;
  const ModificationModes::RunFigures made =
      s >= 1 && static_cast<std::size_t>(s) < figures.size() ? figures[static_cast<std::size_t>(s)]
                                                              : ModificationModes::RunFigures{};
  run.iteration_count = made.iterations;
  run.first_error = made.first_error;
  run.last_error = made.last_error;
  run.converged = made.converged;
  run.rule_typed_k = made.rule_typed_k;
  ClearLabelPositions(session_.picture);
  SyncPicks();
  Invalidate();
}

std::pair<int, int> CGRAPHView::BranchAtShownStep() {
  ReanalysisState& run = session_.run;
  const std::pair<int, int> before{run.current_step, run.step_count};
  if (run.step_count > 0 && run.current_step < run.step_count) {
    run.current_step = std::max(1, run.current_step);
    run.step_count = run.current_step;
  }
  return before;
}

void CGRAPHView::EndBranch(std::pair<int, int> before, bool computed) {
  ReanalysisState& run = session_.run;
  if (!computed) {
    run.current_step = before.first;
    run.step_count = before.second;
    return;
  }
  if (before.second <= run.step_count) return;
  // The copies of the dropped steps (step 1 holds the branch now when it began at the stored frame).
  DeleteStepCopies(session_.state, run.step_count + 1, before.second);
  auto& figures = modes_.step_figures;
  if (figures.size() > static_cast<std::size_t>(run.step_count) + 1) figures.resize(run.step_count + 1);
}

int CGRAPHView::ParkedStep() const {
  const ReanalysisState& run = session_.run;
  const bool releases = run.step_count == 0 && !modes_.release_steps.empty();
  return std::max(1, releases ? modes_.release_step : run.current_step);
}

void CGRAPHView::OnSpace() {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  // The modified frame is kept in the copies of the step shown, so that the other steps stay as made.
  const int s = ParkedStep();
  const bool modified = !run.picked_elements.empty() || !run.picked_nodes.empty() || run.releases.count() > 0;
  if (!modes_.parked && modified) {
    // The modified frame into the copies of step 1, the stored frame shown.
    modes_.parked_elements = run.picked_elements;
    modes_.parked_nodes = run.picked_nodes;
    run.steps.element_count(s) = run.picked_elements.count();
    run.steps.node_count(s) = run.picked_nodes.count();
    (void)WriteDisplacementCopy(state, s);
    (void)WriteElementCopy(state, s);
    (void)WriteNodeCopy(state, run.steps, s);
    modes_.parked_releases = run.releases;
    if (run.releases.count() > 0) {
      (void)WriteAuxPointLoads(state, run.releases.own_point_loads + run.releases.records());
      DropReleases(state, run.releases);
    }
    run.picked_elements.Clear();
    run.picked_nodes.Clear();
    (void)ReadDisplacementCopy(state, 0);
    (void)ReadNodeCopy(state, run.steps, 0);
    (void)ReadElementCopy(state, 0);
    (void)ReadNodeRefCopy(state, 0);
    modes_.under_way = false;
    modes_.hinge = modes_.shear_hinge = modes_.cut = false;
    modes_.parked = true;
  } else if (modes_.parked || session_.run.report_written) {
    modes_.under_way = true;
    modes_.parked = false;
    run.picked_elements = modes_.parked_elements;
    run.picked_nodes = modes_.parked_nodes;
    ClearLabelPositions(session_.picture);
    (void)ReadDisplacementCopy(state, s);
    (void)ReadNodeCopy(state, run.steps, s);
    (void)ReadElementCopy(state, s);
    (void)ReadNodeRefCopy(state, s);
    const ReleaseSet releases = modes_.parked_releases;
    if (releases.count() > 0 && ReadAuxPointLoads(state, releases.own_point_loads + releases.records())) {
      SetPointLoadCount(state, releases.own_point_loads + releases.records());
      run.releases = releases;
    }
  } else {
    return;
  }
  ClearLabelPositions(session_.picture);
  SyncPicks();
  Invalidate();
}

void CGRAPHView::SaveReleaseStep() {
  ViewerState& state = session_.state;
  const ReleaseSet& releases = session_.run.releases;
  if (modes_.release_steps.empty()) modes_.release_steps.push_back(ReleaseSet{releases.own_point_loads, 0, 0, 0});
  modes_.release_steps.resize(static_cast<std::size_t>(modes_.release_step) + 1);
  modes_.release_steps.push_back(releases);
  const int j = ++modes_.release_step;
  (void)WriteDisplacementCopy(state, j);
  (void)WritePointLoadCopy(state, releases.own_point_loads + releases.records(), j);
}

void CGRAPHView::StepReleases(bool forward) {
  ViewerState& state = session_.state;
  const int to = modes_.release_step + (forward ? 1 : -1);
  if (to < 0 || to >= static_cast<int>(modes_.release_steps.size())) return;
  const ReleaseSet& target = modes_.release_steps[static_cast<std::size_t>(to)];
  const int count = target.own_point_loads + target.records();
  if (to > 0 && !ReadPointLoadCopy(state, count, to)) return;
  (void)ReadDisplacementCopy(state, to);
  SetPointLoadCount(state, count);
  session_.run.releases = to > 0 ? target : ReleaseSet{};
  modes_.release_step = to;
  ClearLabelPositions(session_.picture);
  Invalidate();
}

void CGRAPHView::OnStepModification(bool forward) {
  ReanalysisState& run = session_.run;
  if (!forward && session_.run.report_written) {
    ResetAll();
    Invalidate();
    return;
  }
  if (modes_.parked) return;
  if (run.step_count == 0 && !modes_.release_steps.empty()) {
    StepReleases(forward);
    return;
  }
  const int s = run.current_step;
  const int to = forward ? s + 1 : s - 1;
  if (to < 0 || to > run.step_count || run.step_count == 0) return;
  SaveStep(s);
  LoadStep(to);
  modes_.under_way = to > 0;
  SyncPicks();
}

}  // namespace revuzavi
