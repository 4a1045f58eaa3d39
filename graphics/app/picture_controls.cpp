#include "graphics/app/picture_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/position/file_names.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

constexpr int kFrameWidthUpper = 910;
constexpr int kDiagramWidthUpper = 510;

float* ShownScale(PictureRequest& r) {
  if (r.moments) return &r.scales.moment;
  if (r.shear_forces) return &r.scales.shear;
  if (r.normal_forces) return &r.scales.normal_force;
  if (r.deflection) return &r.scales.displacement;
  return nullptr;
}

}  // namespace

const char* WheelStatusText(WheelTarget target) {
  switch (target) {
    case WheelTarget::kLoad: return "Wheel scales Load (click to change)";
    case WheelTarget::kSupportReactions: return "Wheel scales Support Reactions (click to change)";
    case WheelTarget::kForces: return "Wheel scales Forces, W.+Ctrl scales Moments ";
    case WheelTarget::kGraph: break;
  }
  return "Wheel scales Graph (click to change)";
}

void SetDiagramKind(PictureRequest& r, DiagramKind kind) {
  r.deflection = kind == DiagramKind::kDisplacements;
  r.normal_forces = kind == DiagramKind::kNormalForces;
  r.moments = kind == DiagramKind::kMoments;
  r.shear_forces = kind == DiagramKind::kShearForces;
  r.eigenmode = r.influence = r.support_green = r.green_family_1 = r.green_family_2 = false;
  r.influence_reactions = r.rotations = r.modified_frame = false;
  r.energies = false;
  r.shape_function = false;
}

std::string PictureName(const PictureRequest& r, bool r_key) {
  if (r.deflection) {
    std::string name = r_key ? "Displacements [mm] (R-key Pressed!!) " : "Displacements [mm]";
    // The option every key flips draws the frame beneath the shape grey; the values stay the results.
    if (r.grey_frame) name += " (undeformed frame grey)";
    return name;
  }
  if (r.normal_forces) return "Normal forces [kN]";
  if (r.moments) return "Moments";
  if (r.shear_forces) return "Shear forces [kN]";
  return "";
}

std::string PictureTitle(const ViewerState& state, const PictureRequest& request, const ModeValues& mode,
                         bool r_key) {
  if (request.influence) return NodeGreenTitle(state, request.influence_column);
  if (request.eigenmode) {
    char line[160];
    std::snprintf(line, sizeof line, " eigen-value %i/%i = %.4E  min = %.4E  max = %.4E  Up-key, down-key, Esc",
                  request.eigenmode_number, state.equation_count(), mode.mode, mode.first, mode.last);
    return "Position " + state.position.name() + line;
  }
  const int count = state.diary.has_valid_count() ? state.diary.count() : 0;
  const std::string head = "Position " + state.position.name() + " " + state.load_case_params.title();
  char tail[64];
  if (state.no_results) {
    std::snprintf(tail, sizeof tail, "  LC %i of %i (no results)", state.current_load_case, count);
    return head + tail;
  }
  std::snprintf(tail, sizeof tail, "  LC %i of %i", state.current_load_case, count);
  const std::string name = PictureName(request, r_key);
  return name.empty() ? head + tail : head + tail + "  " + name;
}

std::string NodeGreenTitle(const ViewerState& state, int dof) {
  for (int k = 1; k <= state.nodes.count(); ++k) {
    const common::NodeRecord& node = state.nodes[k];
    const char* what = nullptr;
    if (node.dof_u() == dof) what = "ux";
    if (node.dof_v() == dof) what = "uy";
    for (int j = 1; j <= std::min<int>(node.rotation_count(), common::NodeRecord::kMaxRotations); ++j) {
      if (node.rotation_dof(j) == dof) what = "tan phi";
    }
    if (what == nullptr) continue;
    char title[80];
    std::snprintf(title, sizeof title, "%s at Node %i  (DOF  %i) Units [mm]", what, k, dof);
    return title;
  }
  return "";
}

void ToggleEnergyPicture(PictureRequest& r, PictureRequest& saved) {
  if (r.energies) {
    r.energies = false;
    r.deflection = saved.deflection;
    r.normal_forces = saved.normal_forces;
    r.shear_forces = saved.shear_forces;
    r.moments = saved.moments;
    r.influence = saved.influence;
    r.green_family_2 = saved.green_family_2;
    return;
  }
  saved = r;
  r.deflection = r.normal_forces = r.shear_forces = r.moments = r.influence = r.green_family_2 = false;
  r.node_labels = r.element_labels = true;
  r.energies = true;
}

std::string EnergyTitle(const ViewerState& state) {
  double total = 0.0;
  const int count = std::min<int>(state.elements.count(), static_cast<int>(state.energies.size()) - 1);
  for (int k = 1; k <= count; ++k) total += state.energies[static_cast<size_t>(k)];
  char line[96];
  std::snprintf(line, sizeof line, " Strain energies in frame elements,  Total =  %4.1E kNm", total);
  return line;
}

double ShrunkFactor(double factor) { return factor > 1.0 ? std::max(1.0, factor / 1.2) : factor; }

double GrownFactor(double factor) { return factor * 1.2; }

int SteppedLineWidth(int width, bool up, int upper) {
  if (up) return width <= upper ? width + 2 : width;
  return width > 3 ? width - 2 : width;
}

void WheelLineWidths(ViewerState& state, const PictureRequest& request, bool up) {
  if (request.AnyResult()) {
    state.second_line_width = SteppedLineWidth(state.second_line_width, up, kDiagramWidthUpper);
  } else {
    state.line_width = SteppedLineWidth(state.line_width, up, kFrameWidthUpper);
  }
}

bool WheelDiagramScale(PictureRequest& request, int step, bool up) {
  float* scale = ShownScale(request);
  if (scale == nullptr) return false;
  const float by = 1.5f * static_cast<float>(step);
  *scale = up ? *scale * by : *scale / by;
  return true;
}

bool LoadCaseHasResults(const ViewerState& state) { return !state.no_results; }

}  // namespace revuzavi
