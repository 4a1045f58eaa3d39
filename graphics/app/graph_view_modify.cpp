// The picture view's local modification: the modes C, F, G, H, J and P, the
// picks with the mouse, the steps, Space between the stored and the modified
// frame, Esc's reset, the forces f+ and the end of a selection.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <cstdio>
#include <utility>

#include "graphics/app/client_mapping.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/label_drag.h"
#include "graphics/app/report.h"
#include "graphics/app/support_springs_dialog.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_results.h"
#include "graphics/picture/canvas.h"
#include "graphics/picture/picking.h"
#include "graphics/picture/text.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"
#include "platform/binary_io.h"
#include "platform/dc/painter_dc.h"
#include "platform/files.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/sound/sound.h"
#include "platform/window/cursor.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr int kPickPixels = 4;  // half the side of the pick box
constexpr const char* kElementHint = "Click on elements!";
constexpr const char* kSupportHint = "Click on elements or supports!";
constexpr const char* kFinishedHint = "When finished: Press ESC-key to reset system";

void PostStatusTexts() {
  if (plat::WinApp* app = plat::WinApp::Get(); app && app->GetMainWnd()) app->GetMainWnd()->PostMessage(ids::kStatusTexts);
}

// The pick cursor: a small open square with a cross, made once.
plat::HCURSOR PickCursor() {
  if (plat::HCURSOR made = plat::LoadCursor(CGRAPHView::kPickCursor)) return made;
  plat::Bitmap picture(32, 32, plat::Rgb(255, 255, 255));
  plat::PainterDc dc(picture);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, 1, plat::Rgb(0, 0, 0)});
  dc.MoveTo(16, 2);
  dc.LineTo(16, 31);
  dc.MoveTo(2, 16);
  dc.LineTo(31, 16);
  dc.SelectBrush(plat::Brush::Null());
  dc.Rectangle(plat::Rect{11, 11, 22, 22});
  return plat::CreateCursor(CGRAPHView::kPickCursor, picture, plat::Rgb(255, 255, 255), plat::Point{16, 16});
}

void SetPointLoadCount(ViewerState& state, int count) {
  state.point_loads.SetCount(count);
  state.load_case_params.set_point_load_count(static_cast<std::int16_t>(count));
}

// The first n entries of a pick order.
PickList FirstPicks(const PickList& order, int n) {
  PickList picks = order;
  picks.Truncate(std::clamp(n, 0, order.count()));
  return picks;
}

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

void CGRAPHView::MapOnClient() {
  plat::Rect client;
  GetClientRect(&client);
  PrepareRequest(client.Width(), client.Height(), false);
}

plat::Point CGRAPHView::ClientPointOf(float x, float z) {
  MapOnClient();
  return WorldToClient(session_.state, session_.view, session_.request, WorldPoint{x, z});
}

WorldBox CGRAPHView::PickBox(plat::Point point) {
  MapOnClient();
  const ViewerState& s = session_.state;
  const WorldPoint a = ClientToWorld(s, session_.view, session_.request, {point.x - kPickPixels, point.y - kPickPixels});
  const WorldPoint b = ClientToWorld(s, session_.view, session_.request, {point.x + kPickPixels, point.y + kPickPixels});
  return WorldBox{a.x, b.x, a.y, b.y};
}

bool CGRAPHView::OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) {
  if (modes_.PickCursor() && hit_test == plat::HTCLIENT) {
    plat::SetCursor(PickCursor());
    return true;
  }
  return plat::View::OnSetCursor(window, hit_test, message);
}

void CGRAPHView::SyncPicks() {
  ViewState& v = session_.view;
  v.picked_elements = session_.run.picked_elements.items();
  v.picked_nodes = session_.run.picked_nodes.items();
  v.reanalysis_view = modes_.under_way || modes_.PickCursor();
  v.reanalysis_mode = modes_.under_way && !session_.run.picked_elements.empty();
}

void CGRAPHView::ShowModeStatus(char key) {
  ReadScales(session_.state, session_.run.scales);
  char text[64];
  std::snprintf(text, sizeof text, "k = %.2f   %c-key has been pressed", static_cast<double>(session_.state.scales_factor),
                key);
  session_.status_text = text;
  PostStatusTexts();
}

void CGRAPHView::OnModeKey(plat::UINT vk) {
  switch (vk) {
    case 'C': OnOneClickKey(false); break;
    case 'J': OnOneClickKey(true); break;
    case 'F':
    case 'G':
    case 'H': OnReleaseKey(vk); break;
    case 'P':
      modes_.p_mode = !modes_.p_mode;
      if (modes_.p_mode) ShowModeStatus('P');
      break;
    default: return;
  }
  SyncPicks();
  Invalidate();
}

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
  ClearLabelPositions(session_.picture);
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
  if (!springs) ShowModeStatus('C');
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
  ShowModeStatus(static_cast<char>(vk));
}

void CGRAPHView::OnLButtonDown(plat::UINT flags, plat::Point point) {
  SetFocus();
  const PictureRequest& r = session_.request;
  if ((flags & plat::MK_CONTROL) != 0 || r.green_family_1) {
    PickGreenPoint(point);
    return;
  }
  if (!modes_.PickCursor() && GrabLabel(point)) return;
  if (r.green_family_2) {  // an element clicked becomes the function's element
    const WorldBox box = PickBox(point);
    const PickedElement picked = PickElementsInBox(session_.state, box.x1, box.y1, box.x2, box.y2);
    if (picked.element != 0) {
      (void)ShowElementGreen(picked.element, session_.view.green.kind);
      return;
    }
  }
  // The value pictures take the previous value; in the P mode the supports' picture picks.
  const bool value_picture = r.influence || r.eigenmode || r.green_family_2 || (r.support_green && !modes_.p_mode);
  if (value_picture && StepValuePicture(false)) return;
  if (modes_.springs && PickNodeAt(point)) return;
  if (PickElementAt(point)) return;
  if (modes_.PickCursor()) ShowHint(modes_.springs ? kSupportHint : kElementHint);
  // Nothing picked: a rubber band for an enlarged section.
  drag_ = MouseDrag{true, point, point};
  SetCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_CROSS));
  InvertBand(point);
}

void CGRAPHView::InvertBand(plat::Point to) {
  const std::unique_ptr<plat::Dc> dc = GetDC();
  if (!dc) return;
  dc->SetROP2(plat::R2_NOT);
  dc->SelectBrush(plat::Brush::Null());
  dc->Rectangle(plat::Rect{std::min(drag_.start.x, to.x), std::min(drag_.start.y, to.y), std::max(drag_.start.x, to.x),
                           std::max(drag_.start.y, to.y)});
}

bool CGRAPHView::GrabLabel(plat::Point point) {
  MapOnClient();
  const WorldPoint at = ClientToWorld(session_.state, session_.view, session_.request, point);
  const double scale = std::max(1, session_.state.drawing_scale);
  const int b = LabelBoxAt(session_.picture.text_boxes, plat::Point{ToLogical(at.x * scale), ToLogical(at.y * scale)});
  if (b == 0) return false;
  const TextBox& box = session_.picture.text_boxes[b];
  if (LabelTableOf(session_.picture.labels, session_.request, box.kind) == nullptr) return false;
  (void)plat::PlaySound(plat::ProgramFolder() + "U.WAV", plat::SND_FILENAME | plat::SND_ASYNC | plat::SND_NODEFAULT);
  drag_ = MouseDrag{false, point, point, b};
  SetCapture();
  InvertLabel(point);
  return true;
}

WorldPoint CGRAPHView::InvertLabel(plat::Point to) {
  const std::unique_ptr<plat::Dc> dc = GetDC();
  if (!dc) return WorldPoint{};
  MapFrameOn(*dc, session_.state, session_.view, session_.request);
  ViewState plain = session_.view;
  plain.plotter = nullptr;
  Canvas c{session_.state, plain, session_.picture, *dc};
  const double scale = std::max(1, session_.state.drawing_scale);
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint b = ClientToWorld(session_.state, session_.view, session_.request, to);
  return DrawRubberBand(c, session_.picture.text_boxes, ToLogical(b.x * scale), ToLogical(b.y * scale), drag_.label,
                        ToLogical(a.x * scale), ToLogical(a.y * scale));
}

void CGRAPHView::DropLabel(plat::Point point) {
  const int b = drag_.label;
  drag_.label = 0;
  plat::ReleaseCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  if (b < 1 || b > session_.picture.text_boxes.count()) return;
  const TextBox box = session_.picture.text_boxes[b];
  MapOnClient();
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint to = ClientToWorld(session_.state, session_.view, session_.request, point);
  const double scale = std::max(1, session_.state.drawing_scale);
  const WorldPoint drawn{static_cast<float>((box.corners[0].x + box.corners[2].x) / 2.0 / scale),
                         static_cast<float>((box.corners[0].y + box.corners[2].y) / 2.0 / scale)};
  if (LabelPositionTable* table = LabelTableOf(session_.picture.labels, session_.request, box.kind)) {
    (void)MoveLabel(*table, box.tag, drawn, to.x - a.x, to.y - a.y);
  }
  session_.picture.text_boxes.Clear();
  Invalidate();
}

void CGRAPHView::OnMouseMove(plat::UINT flags, plat::Point point) {
  (void)flags;
  if (drag_.label != 0) {
    InvertLabel(drag_.last);
    drag_.last = point;
    InvertLabel(point);
    return;
  }
  if (!drag_.band) return;
  InvertBand(drag_.last);
  drag_.last = point;
  InvertBand(point);
}

void CGRAPHView::OnLButtonUp(plat::UINT flags, plat::Point point) {
  (void)flags;
  if (drag_.label != 0) {
    InvertLabel(drag_.last);
    DropLabel(point);
    return;
  }
  if (!drag_.band) return;
  InvertBand(drag_.last);
  drag_.band = false;
  plat::ReleaseCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  if (std::abs(point.x - drag_.start.x) < kPickPixels || std::abs(point.y - drag_.start.y) < kPickPixels) return;
  MapOnClient();
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint b = ClientToWorld(session_.state, session_.view, session_.request, point);
  PictureRequest& r = session_.request;
  r.plot_box[0] = a;
  r.plot_box[1] = WorldPoint{b.x, a.y};
  r.plot_box[2] = b;
  r.plot_box[3] = WorldPoint{a.x, b.y};
  r.plot_box_mode = 1;
  ClearLabelPositions(session_.picture);
  Invalidate();
}

void CGRAPHView::PickGreenPoint(plat::Point point) {
  const WorldBox box = PickBox(point);
  const PickedElement picked = PickElementsInBox(session_.state, box.x1, box.y1, box.x2, box.y2);
  if (picked.element == 0) return;
  const WorldPoint at = ClientToWorld(session_.state, session_.view, session_.request, point);
  const int station = StationAlong(picked.xa, picked.za, picked.xb, picked.zb, at.x, at.y);
  if (SetGreenPoint(picked.element, station)) return;
  // Kept for the picture of the Green's function anywhere when it starts.
  GreenPoint& green = session_.view.green;
  green.element = picked.element;
  green.sample = station;
  green.position = static_cast<float>(station * 0.02 * session_.state.elements[picked.element].length());
  Invalidate();
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
  const bool added = run.picked_nodes.Add(node);
  modes_.under_way = true;
  // With picked elements the run of elements and nodes together, else the nodes' own.
  if (!ComputeModified()) {
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
  if (added) run.picked_elements.Add(e);
  session_.state.elements[e].set_modified_flag(1);
  modes_.under_way = true;
  SyncPicks();
  if (modes_.one_click && !ComputeModified()) {
    // A pick the frame cannot be computed with is taken back.
    if (added) run.picked_elements.Truncate(run.picked_elements.count() - 1);
    session_.state.elements[e] = before;
    modes_.under_way = was_under_way;
  }
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

void CGRAPHView::OnSpace() {
  ViewerState& state = session_.state;
  ReanalysisState& run = session_.run;
  const bool modified = !run.picked_elements.empty() || !run.picked_nodes.empty() || run.releases.count() > 0;
  if (!modes_.parked && modified) {
    // The modified frame into the copies of step 1, the stored frame shown.
    modes_.parked_elements = run.picked_elements;
    modes_.parked_nodes = run.picked_nodes;
    run.steps.element_count(1) = run.picked_elements.count();
    run.steps.node_count(1) = run.picked_nodes.count();
    (void)WriteDisplacementCopy(state, 1);
    (void)WriteElementCopy(state, 1);
    (void)WriteNodeCopy(state, run.steps, 1);
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
    (void)ReadDisplacementCopy(state, 1);
    (void)ReadNodeCopy(state, run.steps, 1);
    (void)ReadElementCopy(state, 1);
    (void)ReadNodeRefCopy(state, 1);
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

std::string CGRAPHView::ModificationLine() const { return IterationLine(session_.run, modes_.one_click); }

}  // namespace revuzavi
