// The picture window's Green's-function, flexibility and shape-function
// pictures: their commands, their steps on Up, Down and the right button, and
// their titles.
#include <algorithm>

#include "graphics/app/graph_view.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/report.h"
#include "graphics/loads/green_forces.h"
#include "graphics/model/read_results.h"
#include "platform/frames/frame_wnd.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

constexpr const char* kNextValueHint = "Up key or right mouse button is next value";
constexpr const char* kShapeHint = "Click on node, right mouse button = next, or click N, M, V";

}  // namespace

void CGRAPHView::OnElementGreen() {
  ResetModification();
  ViewerState& state = session_.state;
  int element = 1;
  if (state.elements.count() > 1) {
    CDiaGreenElement dialog(state.elements.count(), GetParentFrame());
    if (dialog.DoModal() != plat::IDOK) {  // the load case's own picture again
      SwitchLoadCase(state, session_.picture.labels, state.current_load_case);
      SetDiagramKind(session_.request, LoadCaseHasResults(state) ? DiagramKind::kDisplacements : DiagramKind::kFrame);
      Invalidate();
      return;
    }
    element = dialog.element();
  }
  if (!ShowElementGreen(element, GreenPoint::kU)) return;
  session_.request.scales.displacement = 0.0f;  // fitted to the first kind
  ShowHint(kNextValueHint);
}

bool CGRAPHView::ShowElementGreen(int element, int kind) {
  const common::Result computed = ComputeGreenForces(session_.state, session_.view, element, kind, green_.sums);
  if (!computed.ok()) {
    ShowFailure(computed);
    return false;
  }
  PictureRequest& r = session_.request;
  if (!r.green_family_2) {
    CloseHint();
    SetDiagramKind(r, DiagramKind::kFrame);
    r.green_family_2 = true;
  }
  session_.picture.labels.Clear();
  Invalidate();
  return true;
}

void CGRAPHView::OnSupportGreen() {
  ResetModification();
  if (session_.state.support_dofs.empty()) return;
  CloseHint();
  PictureRequest& r = session_.request;
  SetDiagramKind(r, DiagramKind::kFrame);
  r.support_green = true;
  r.support_dof_index = 1;
  controls_.factor = 1.0;
  ShowHint(kNextValueHint);
  Invalidate();
}

void CGRAPHView::OnGreenAnywhere() {
  CDiaGreenAny dialog(green_.any_choice, green_.any_integral, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) {
    green_.any_number = -1;
    green_.any_armed = false;
    return;
  }
  green_.any_choice = dialog.choice();
  green_.any_integral = dialog.integral();
  green_.any_number = green_.any_choice + 1;
  green_.any_armed = true;
  PictureRequest& r = session_.request;
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  r.green_family_1 = true;
  GreenPoint& point = session_.view.green;
  if (point.element >= 1 && point.element <= session_.state.elements.count()) {
    SetGreenPoint(point.element, point.sample);  // the point kept, the function chosen anew
  } else {
    point = GreenPoint{0, 0.0f, 0, green_.any_number};
    std::fill(session_.state.displacements.begin(), session_.state.displacements.end(), 0.0);
    Invalidate();
  }
}

bool CGRAPHView::SetGreenPoint(int element, int station) {
  PictureRequest& r = session_.request;
  if (!r.green_family_1 || element < 1 || element > session_.state.elements.count()) return false;
  const int sample = std::clamp(station, 0, 50);
  const double position = sample * 0.02 * session_.state.elements[element].length();
  const int kind = std::clamp(green_.any_number, 1, 6);
  const common::Result computed =
      GreenDisplacementsAt(session_.state, element, kind, position, session_.state.displacements);
  if (!computed.ok()) {
    ShowFailure(computed);
    return false;
  }
  session_.view.green = GreenPoint{element, static_cast<float>(position), sample, kind};
  r.scales.displacement = 0.0f;  // fitted to the new field
  session_.picture.labels.Clear();
  Invalidate();
  return true;
}

void CGRAPHView::OnFlex() {
  std::vector<FlexEntry> entries;
  const common::Result read = ReadFlexMax(session_.state, entries);
  if (!read.ok()) {
    ShowFailure(read);
    return;
  }
  ResetModification();
  session_.run.picked_elements.Clear();
  session_.run.picked_nodes.Clear();
  green_.flex = std::move(entries);
  PictureRequest& r = session_.request;
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  r.influence = true;
  ShowFlexEntry(1);
  ShowHint(kNextValueHint);
}

void CGRAPHView::ShowFlexEntry(int k) {
  green_.flex_entry = k;
  session_.request.influence_column = green_.flex[static_cast<std::size_t>(k - 1)].equation;
  Invalidate();
}

void CGRAPHView::OnShapeFunctions() {
  PictureRequest& r = session_.request;
  if (r.shape_function) {
    LeaveShapeFunctions();
    return;
  }
  const common::FileStatus read = ReadRightHandSide(session_.state, session_.state.current_load_case_text);
  if (!read.ok() || session_.state.equation_count() < 1) {
    plat::MessageBox("Nothing to show", "No results found", plat::MB_OK);
    return;
  }
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  r.shape_function = true;
  ShowShapeFunction(1);
  ShowHint(kShapeHint);
}

bool CGRAPHView::ShowShapeFunction(int dof) {
  PictureRequest& r = session_.request;
  const int n = session_.state.equation_count();
  if (!r.shape_function || dof < 1 || dof > n) return false;
  std::vector<double>& u = session_.state.displacements;
  std::fill(u.begin(), u.end(), 0.0);
  u[static_cast<std::size_t>(dof)] = 1.0;
  r.shape_dof = dof;
  Invalidate();
  return true;
}

bool CGRAPHView::LeaveShapeFunctions() {
  PictureRequest& r = session_.request;
  if (!r.shape_function) return false;
  ResetModification();
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  SwitchLoadCase(session_.state, session_.picture.labels, session_.state.current_load_case);  // UT8 again
  Invalidate();
  return true;
}

void CGRAPHView::RefreshShapeFunction() {
  if (!session_.request.shape_function) return;
  const common::FileStatus read = ReadRightHandSide(session_.state, session_.state.current_load_case_text);
  if (!read.ok()) {
    LeaveShapeFunctions();
    plat::MessageBox("Nothing to show", "No results found", plat::MB_OK);
    return;
  }
  ShowShapeFunction(session_.request.shape_dof);
}

bool CGRAPHView::StepGreenPicture(bool next) {
  PictureRequest& r = session_.request;
  if (r.green_family_2) {
    const GreenPoint& point = session_.view.green;
    const GreenKindStep step =
        StepElementGreenKind(session_.state, point.element, point.kind, r.scales.displacement, next);
    if (ShowElementGreen(point.element, step.kind)) r.scales.displacement = step.scale;
    return true;
  }
  if (r.support_green) {
    r.support_dof_index = WrappedStep(r.support_dof_index, static_cast<int>(session_.state.support_dofs.size()), next);
    controls_.factor = 1.0;
    session_.picture.labels.Clear();
    Invalidate();
    return true;
  }
  if (r.influence && green_.flex_entry > 0) {
    const int count = static_cast<int>(green_.flex.size());
    const int to = std::clamp(green_.flex_entry + (next ? 1 : -1), 1, count);
    if (to != green_.flex_entry) ShowFlexEntry(to);
    return true;
  }
  return false;
}

std::string CGRAPHView::GreenTitle() const {
  const PictureRequest& r = session_.request;
  const ViewerState& state = session_.state;
  if (r.energies) return green_.energy_of_any ? GreenEnergyTitle(green_.any_number) : "";
  if (r.green_family_2) return ElementGreenTitle(state, session_.view.green.element, session_.view.green.kind, green_.sums);
  if (r.green_family_1) return GreenKindName(green_.any_number);
  if (r.support_green) return SupportGreenTitle(state, r.support_dof_index);
  if (r.influence && green_.flex_entry > 0) return FlexTitle(green_.flex, green_.flex_entry);
  if (r.shape_function) return ShapeFunctionTitle(state, r.shape_dof);
  return "";
}

}  // namespace revuzavi
