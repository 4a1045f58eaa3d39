// The picture view's local modification: the modes C, F, G, H, J and P, the
// element and support picks and their runs, Esc's reset, the forces f+ and the
// end of a selection.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "graphics/app/client_mapping.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/report.h"
#include "graphics/app/support_springs_dialog.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_results.h"
#include "graphics/picture/picking.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"
#include "platform/files.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

// A node held in some direction, now or as read.
bool IsSupport(const ViewerState& state, int node) {
  for (int d = 1; d <= 3; ++d) {
    if (state.nodes[node].support(d) != 0.0f) return true;
    if (node <= state.original_nodes.count() && state.original_nodes[node].support(d) != 0.0f) return true;
  }
  return false;
}

// "Node %i" with the springs changed: "  x = %.3f", "  y = %.3f", "  phi = %.3f".
std::string ChangedSpringsText(const common::NodeRecord& record, int node) {
  std::string text = "Node " + std::to_string(node);
  const char* names[3] = {"x", "y", "phi"};
  for (int d = 1; d <= 3; ++d) {
    if (record.changed_support_mark(d) == 0) continue;
    char part[48];
    std::snprintf(part, sizeof part, "  %s = %.3f", names[d - 1], static_cast<double>(record.support(d)));
    text += part;
  }
  return text;
}

}  // namespace

void CGRAPHView::SyncPicks() {
  ViewState& v = session_.view;
  v.picked_elements = session_.run.picked_elements.items();
  v.picked_nodes = session_.run.picked_nodes.items();
  v.reanalysis_view = modes_.under_way || modes_.PickCursor();
  v.reanalysis_mode = modes_.under_way && !session_.run.picked_elements.empty();
}

void CGRAPHView::ShowModeStatus() {
  session_.status_text = ModeStatusText(modes_, controls_.only_x, controls_.only_y, session_.state.scales_factor,
                                        session_.run.method != ReanalysisState::kIterative);
  PostToMainWindow(ids::kStatusTexts);
}

void CGRAPHView::OnModeKey(plat::UINT vk) {
  ReadScales(session_.state, session_.run.scales);  // k as the parameter dialog left it
  if (vk != 'P') RestoreLoadCaseField();  // a modification starts from the load case's own results
  switch (vk) {
    case 'C': OnOneClickKey(false); break;
    case 'J': OnOneClickKey(true); break;
    case 'F':
    case 'G':
    case 'H': OnReleaseKey(vk); break;
    case 'P': modes_.p_mode = !modes_.p_mode; break;
    default: return;
  }
  ShowModeStatus();
  SyncPicks();
  Invalidate();
}

void CGRAPHView::OnOneClickKey(bool springs) {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  if (state.load_case_params.settlement_flag() != 0) {
    plat::MessageBox("For settlements currently not implemented.", "OK", plat::MB_OK);
    return;
  }
  if (modes_.AnyReleaseMode() || run.releases.count() > 0) {
    // Releases and scaled elements are not combined: the releases go first.
    ResetAll();
  }
  modes_.hinge = modes_.shear_hinge = modes_.cut = false;
  modes_.one_click = true;
  modes_.springs = springs;
  if (modes_.under_way) {
    SaveStep(run.current_step);
    ++run.current_step;
    run.step_count = std::max(run.step_count, run.current_step);
  } else {
    if (!run.picked_elements.empty() || !run.picked_nodes.empty() || modes_.parked) {
      const bool one_click = modes_.one_click;
      ResetAll();
      modes_.one_click = one_click;
      modes_.springs = springs;
    }
    run.current_step = run.step_count = 1;
    modes_.kept_point_loads = state.point_loads.count();
    ShowHint(springs ? kSupportHint : kElementHint);
  }
}

void CGRAPHView::OnReleaseKey(plat::UINT vk) {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  if (state.load_case_params.settlement_flag() != 0) {
    plat::MessageBox("For settlements currently not implented.", "OK", plat::MB_OK);
    return;
  }
  if (vk == 'H' && run.releases.cuts > 0) {
    plat::MessageBox("Currently only one frame element can be split in two. Reset with ESC-key and pick a new element!",
                     "Max = 1", plat::MB_OK);
    return;
  }
  // Each release step keeps its copies as it is made (SaveReleaseStep).
  if (run.releases.count() == 0) {
    if (modes_.one_click || modes_.springs || modes_.under_way || modes_.parked) ResetAll();
    modes_.kept_point_loads = state.point_loads.count();
    ShowHint(kElementHint);
  }
  modes_.one_click = modes_.springs = false;
  modes_.hinge = vk == 'F';
  modes_.shear_hinge = vk == 'G';
  modes_.cut = vk == 'H';
}

bool CGRAPHView::PickNodeAt(plat::Point point) {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  const WorldBox box = PickBox(point);
  const int node = PickNodeInBox(state, box.x1, box.y1, box.x2, box.y2);
  if (node == 0 || !IsSupport(state, node)) return false;
  const common::NodeRecord before = state.nodes[node];
  if (!EditSupportSprings(session_, node, GetParentFrame())) return true;
  const bool was_under_way = modes_.under_way;
  const std::pair<int, int> steps = BranchAtShownStep();
  const bool added = run.picked_nodes.Add(node);
  modes_.under_way = true;
  // With picked elements the run of elements and nodes together, else the nodes' own.
  const bool computed = ComputeModified();
  EndBranch(steps, computed);
  if (!computed) {
    // A change the frame cannot be computed with is taken back.
    state.nodes[node] = before;
    if (added) run.picked_nodes.Truncate(run.picked_nodes.count() - 1);
    modes_.under_way = was_under_way;
    SyncPicks();
    return true;
  }
  modes_.history_nodes = run.picked_nodes;
  run.steps.node_count(run.current_step) = run.picked_nodes.count();
  (void)WriteNodeCopy(state, run.steps, run.current_step);
  ShowHint(ChangedSpringsText(state.nodes[node], node));
  return true;
}

bool CGRAPHView::PickElementAt(plat::Point point) {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  const WorldBox box = PickBox(point);
  const PickedElement picked = PickElementsInBox(state, box.x1, box.y1, box.x2, box.y2);
  if (picked.element == 0) return false;
  plat::Beep();
  CloseHint();
  const int e = picked.element;
  if (modes_.AnyReleaseMode()) {
    const WorldPoint at = ClientToWorld(state, session_.view, session_.request, point);
    const int place = ReleasePlace(picked.xa, picked.za, picked.xb, picked.zb, at.x, at.y);
    ReanalysisView& out = session_.reanalysis_view;
    const common::Result added =
        modes_.hinge         ? DrawInfluenceM(state, run, session_.view, out, e, place)
        : modes_.shear_hinge ? DrawInfluenceV(state, run, session_.view, out, e, place)
                             : DrawInfluenceMV(state, run, session_.view, out, e, place);
    ShowFailure(added);
    if (added) {
      ClearLabelPositions(session_.picture);
      SaveReleaseStep();
    }
    modes_.hinge = modes_.shear_hinge = modes_.cut = false;
    SyncPicks();
    Invalidate();
    return true;
  }
  if (modes_.one_click || modes_.springs || modes_.under_way) {
    AddPickedElement(e);
    return true;
  }
  ShowHint(kFinishedHint);
  return true;
}

void CGRAPHView::AddPickedElement(int e) {
  ReanalysisState& run = session_.run;
  const bool added = !run.picked_elements.Contains(e);
  if (added && run.picked_elements.count() >= kMostPickedInViews) {
    char text[64];
    std::snprintf(text, sizeof text, "Max %i elements can be picked", kMostPickedInViews);
    plat::MessageBox(text, "Attention", plat::MB_OK);
    return;
  }
  const common::ElementRecord before = session_.state.elements[e];
  const bool was_under_way = modes_.under_way;
  const std::pair<int, int> steps = added ? BranchAtShownStep() : std::pair{run.current_step, run.step_count};
  if (added) run.picked_elements.Add(e);
  session_.state.elements[e].set_modified_flag(1);
  modes_.under_way = true;
  SyncPicks();
  const bool computed = !modes_.one_click || ComputeModified();
  if (!computed) {
    // A pick the frame cannot be computed with is taken back.
    if (added) run.picked_elements.Truncate(run.picked_elements.count() - 1);
    session_.state.elements[e] = before;
    modes_.under_way = was_under_way;
  }
  EndBranch(steps, computed);
  modes_.history_elements = run.picked_elements;
  SyncPicks();
  Invalidate();
}

bool CGRAPHView::ComputeModified() {
  ReanalysisState& run = session_.run;
  ClearLabelPositions(session_.picture);
  int step = run.current_step;  // the run writes this step's displacements; the steps are the view's
  const common::Result result = !run.picked_elements.empty()
                                    ? IterateModifiedStiffness(session_.state, run, session_.reanalysis_view, step)
                                    : SolveModifiedNodesDirect(session_.state, run, session_.reanalysis_view, step);
  ShowFailure(result);
  if (result.ok() && run.current_step >= 0) {
    auto& figures = modes_.step_figures;
    if (figures.size() <= static_cast<std::size_t>(run.current_step)) figures.resize(run.current_step + 1);
    figures[static_cast<std::size_t>(run.current_step)] = {run.iteration_count, run.first_error, run.last_error,
                                                           run.converged, run.rule_typed_k};
  }
  SyncPicks();
  Invalidate();
  return result.ok();
}

void CGRAPHView::OnRButtonDown(plat::UINT flags, plat::Point point) {
  (void)flags;
  (void)point;
  ReanalysisState& run = session_.run;
  if (!modes_.under_way || (run.picked_elements.empty() && run.picked_nodes.empty())) return;
  CloseHint();
  ClearLabelPositions(session_.picture);
  (void)ComputeModified();
}

void CGRAPHView::ResetAll() {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  const int own = !modes_.release_steps.empty()        ? modes_.release_steps.front().own_point_loads
                  : modes_.parked_releases.count() > 0 ? modes_.parked_releases.own_point_loads
                                                        : -1;
  ShowFailure(ResetModifications(state, run, session_.picture, session_.reanalysis_view));
  if (own >= 0) {
    (void)ReadDisplacementCopy(state, 0);
    SetPointLoadCount(state, own);
  }
  run.current_step = run.step_count = 0;
  modes_ = ModificationModes{};
  forces_fplus_.Clear();
  session_.request.modified_frame = false;
  SyncPicks();
  ShowModeStatus();
}

bool CGRAPHView::EscapeModification() {
  const ReanalysisState& run = session_.run;
  const bool made = !run.picked_elements.empty() || !run.picked_nodes.empty() || modes_.parked ||
                    !modes_.release_steps.empty() ||
                    modes_.forces_fplus || run.step_count > 0 || run.releases.count() > 0 || session_.run.report_written;
  if (made) {
    ResetAll();
    Invalidate();
    return true;
  }
  if (modes_.PickCursor()) {
    modes_ = ModificationModes{};
    SyncPicks();
    Invalidate();
    return true;
  }
  return false;
}

void CGRAPHView::OnForcesFPlus() {
  ViewerState& state = session_.state;
  if (!plat::FileExists(StepFile(state.position, kDisplacementCopyFile, std::max(1, session_.run.current_step)))) {
    plat::MessageBox("No modifications in this load case up to now", "OK", plat::MB_OK);
    return;
  }
  const std::string path = state.position.FolderFile(kForcesFPlusFile);
  // Six forces for each element a run modified; the picture holds as many loads as a load case.
  common::detail::RawRecords raw =
      common::detail::ReadInt32Counted(path, common::PointLoadRecord::kSize, 6 * PickList::kRoom);
  const int total = raw.count;
  raw.count = std::min(raw.count, common::PointLoadTable::kCapacity);
  raw.bytes.resize(static_cast<std::size_t>(raw.count) * common::PointLoadRecord::kSize);
  auto read = common::detail::ToTable<common::PointLoadTable>(std::move(raw));
  if (read.status.damaged()) {
    ShowFailure(common::CheckFile(path, read.status));
    return;
  }
  if (!read.status.ok() || read.table.count() == 0) {
    plat::MessageBox("No forces f+ found", "OK", plat::MB_OK);
    return;
  }
  forces_fplus_ = std::move(read.table);
  modes_.forces_fplus_total = total;
  CloseHint();
  SetDiagramKind(session_.request, DiagramKind::kFrame);
  modes_.forces_fplus = true;
  ClearLabelPositions(session_.picture);
  Invalidate();
}

void CGRAPHView::OnEndSelection() {
  // The steps of a pending release are dropped with the others' copies by the reset.
  ResetAll();
  Invalidate();
}

void CGRAPHView::OnEquivalentNodalForces() {
  OnEndSelection();
  PictureRequest& r = session_.request;
  r.nodal_loads = !r.nodal_loads;
  if (r.nodal_loads) ShowFailure(common::CheckFile(session_.state.position.File("RHSG"), ReadRightHandSide(session_.state, session_.state.current_load_case_text)));
  ClearLabelPositions(session_.picture);
  Invalidate();
}

std::string CGRAPHView::ModificationLine() const {
  // The stored frame shown by Space has no run of its own.
  return modes_.parked ? std::string() : IterationLine(session_.run, modes_.one_click);
}

}  // namespace revuzavi
