// The picture window's Green's-function, flexibility and shape-function
// pictures: their commands, their steps on Up, Down and the right button, and
// their titles.
#include <algorithm>

#include "graphics/app/graph_view.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/report.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/loads/green_forces.h"
#include "graphics/model/read_results.h"
#include "graphics/picture/element_values.h"
#include "platform/frames/frame_wnd.h"
#include "platform/message_box.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr const char* kNextValueHint = "Up key or right mouse button is next value";
constexpr const char* kShapeHint = "Click on node, right mouse button = next, or click N, M, V";

// The pictures drawn from INVERSE say why they cannot be drawn before they start.
bool InverseColumnReadable(const ViewerState& state, int column) {
  std::vector<double> values;
  const common::Result read = ReadInverseColumn(state, column, state.equation_count(), values);
  if (!read.ok()) ShowFailure(read);
  return read.ok();
}

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
  SetGreenScale(0.0f);  // fitted to the first kind
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
  if (!InverseColumnReadable(session_.state, session_.state.support_dofs.front().dof)) return;
  CloseHint();
  PictureRequest& r = session_.request;
  SetDiagramKind(r, DiagramKind::kFrame);
  r.support_green = true;
  r.support_dof_index = 1;
  controls_.factor = 1.0;
  session_.view.green = GreenPoint{};
  SetGreenScale(1.0f);  // the unit displacement drawn as it is
  ShowHint(kNextValueHint);
  Invalidate();
}

void CGRAPHView::OnGreenAnywhere() {
  CDiaGreenAny dialog(green_.any_choice, green_.any_integral, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) {  // no function: its picture ends
    green_.any_number = -1;
    if (session_.request.green_family_1) LeaveSpecialPicture();
    return;
  }
  green_.any_choice = dialog.choice();
  green_.any_integral = dialog.integral();
  green_.any_number = green_.any_choice + 1;
  ResetModification();  // the function is the stored frame's
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
    session_.state.foreign_field = true;  // no point yet: no function
    Invalidate();
  }
}

bool CGRAPHView::ComputeGreenAnywhere(int element, int sample) {
  const double position = sample * 0.02 * session_.state.elements[element].length();
  const int kind = std::clamp(green_.any_number, 1, 6);
  const common::Result computed =
      GreenDisplacementsAt(session_.state, element, kind, position, session_.state.displacements);
  if (!computed.ok()) {
    ShowFailure(computed);
    return false;
  }
  session_.state.foreign_field = true;
  session_.view.green = GreenPoint{element, static_cast<float>(position), sample, kind};
  return true;
}

bool CGRAPHView::SetGreenPoint(int element, int station) {
  PictureRequest& r = session_.request;
  if (!r.green_family_1 || element < 1 || element > session_.state.elements.count()) return false;
  if (!ComputeGreenAnywhere(element, std::clamp(station, 0, 50))) return false;
  SetGreenScale(green_.any_scales[static_cast<std::size_t>(session_.view.green.kind)]);  // 0: fitted
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
  if (!InverseColumnReadable(session_.state, entries.front().equation)) return;
  ResetModification();
  session_.run.picked_elements.Clear();
  session_.run.picked_nodes.Clear();
  green_.flex = std::move(entries);
  PictureRequest& r = session_.request;
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  r.influence = true;
  session_.view.green = GreenPoint{};
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
  ResetModification();  // the unit displacements belong to the stored frame
  CloseHint();
  SetDiagramKind(r, DiagramKind::kFrame);
  r.shape_function = true;
  session_.view.green = GreenPoint{};
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
  session_.state.foreign_field = true;
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

void CGRAPHView::RefreshGreenField() {
  PictureRequest& r = session_.request;
  session_.memory.influence_column = session_.memory.support_column = 0;  // the columns read again
  if (r.shape_function) {
    RefreshShapeFunction();
    return;
  }
  if (!r.green_family_1 && !r.green_family_2 && !r.support_green) return;
  const float kept = r.scales.displacement;  // the picture's scale, not the load case's
  RefreshRememberedScales(session_.state, session_.memory, r);
  const GreenPoint& point = session_.view.green;
  if (r.green_family_2) {
    ShowElementGreen(point.element, point.kind);
  } else if (r.green_family_1 && point.element >= 1 && point.element <= session_.state.elements.count()) {
    ComputeGreenAnywhere(point.element, point.sample);
  } else if (r.green_family_1) {
    std::fill(session_.state.displacements.begin(), session_.state.displacements.end(), 0.0);
    session_.state.foreign_field = true;
  }
  r.scales.displacement = kept;
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
    if (ShowElementGreen(point.element, step.kind)) SetGreenScale(step.scale);
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

void CGRAPHView::ShowGreenEnergies() {
  ViewerState& state = session_.state;
  const std::vector<double> g = state.displacements;
  std::vector<double> u(g.size(), 0.0);
  if (ReadDisplacementVector(state, state.current_load_case_text).ok()) u = state.displacements;
  state.displacements = g;
  state.foreign_field = true;
  const std::vector<float> products = GreenEnergyProducts(state, g, u);
  std::fill(state.energies.begin(), state.energies.end(), 0.0f);
  std::copy(products.begin(), products.end(), state.energies.begin());
  RefreshRememberedScales(state, session_.memory, session_.request);
  session_.request.scales.fourth = 0.0f;  // fitted to the products, the load case's scale read back after
}

void CGRAPHView::SetGreenScale(float s) {
  RefreshRememberedScales(session_.state, session_.memory, session_.request);
  session_.request.scales.displacement = s;
}

bool CGRAPHView::WheelGreenScale(bool up) {
  PictureRequest& r = session_.request;
  float& s = r.scales.displacement;
  const float step = static_cast<float>(controls_.wheel_step);
  if (r.influence && green_.flex_entry > 0) {
    s = up ? s * 1.1f : s / 1.1f;
  } else if (plat::GetKeyState(plat::VK_SHIFT) < 0 || plat::GetKeyState(plat::VK_CONTROL) < 0) {
    return false;
  } else if (r.influence || r.green_family_2) {  // the node and element functions grow faster than they shrink
    s = up ? s * 2.5f * step : s / (1.5f * step);
  } else if (r.support_green || r.green_family_1) {
    s = up ? s * 1.5f * step : s / (1.5f * step);
    const int kind = session_.view.green.kind;
    if (r.green_family_1 && kind >= 1 && kind <= 6) green_.any_scales[static_cast<std::size_t>(kind)] = s;
  } else {
    return false;
  }
  session_.picture.labels.Clear();
  return true;
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
