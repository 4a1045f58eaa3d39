#pragma once
// The picture window's own switches beside the drawing request: the general
// picture factor, the wheel's step value, the only-x/only-y values, and the
// rules by which keys, commands and the wheel change the request.
#include <string>

#include "graphics/compose/picture_request.h"
#include "graphics/diagrams/eigenmode.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// What a plain wheel notch scales besides the shown diagram.
enum class WheelTarget { kGraph, kLoad, kSupportReactions, kForces };

struct PictureControls {
  double factor = 1.0;             // the general picture factor, never below 1
  int wheel_step = 1;              // 2 while the key "1" is held down
  bool wheel_alternative = false;  // while A is held down
  bool only_x = false;
  bool only_y = false;
  bool numbers = false;
  bool green_arrows = false;  // Green's functions drawn with arrows
  bool r_key = false;         // the R display
  bool exponential = false;   // numbers in exponential format
  bool stacked = false;       // numbers may be stacked
  // Flipped by every key in the displacement picture: the undeformed frame grey beneath the
  // shape (the element plot computes its deflections from the end values while it is set).
  bool displacement_option = false;
  PictureRequest before_energy;      // the picture switches the energy picture replaced
  WheelTarget wheel_target = WheelTarget::kGraph;
  float force_scale = 1.0f;  // the arrows of the equivalent nodal forces (Ctrl+wheel)
};

// The diagram kinds of the drawing: 0 frame, 1 displacements, 2 normal forces, 3 moments, 4 shear forces.
enum class DiagramKind { kFrame = 0, kDisplacements = 1, kNormalForces = 2, kMoments = 3, kShearForces = 4 };

// Status pane 1: what the wheel scales, "Wheel scales Graph (click to change)" and the like.
const char* WheelStatusText(WheelTarget target);

// Switches every result picture off and the one of `kind` on.
void SetDiagramKind(PictureRequest& request, DiagramKind kind);

// The picture name of the title ("" for the frame); the displacements name
// the R display when it is on.
std::string PictureName(const PictureRequest& request, bool r_key = false);

// "Position %s %s  LC %i of %i  %s", or "... (no results)" without results;
// in the eigenmode picture the mode's line with its eigenvalues.
std::string PictureTitle(const ViewerState& state, const PictureRequest& request, const ModeValues& mode,
                         bool r_key = false);

// "ux at Node %i  (DOF  %i) Units [mm]" (uy, tan phi) of the equation `dof`;
// empty when no node holds it.
std::string NodeGreenTitle(const ViewerState& state, int dof);

// The energy picture on (the result switches kept in `saved`, nodes and
// element numbers on) or off (the kept switches back).
void ToggleEnergyPicture(PictureRequest& request, PictureRequest& saved);

// " Strain energies in frame elements,  Total = " and the sum of the element
// energies in kNm.
std::string EnergyTitle(const ViewerState& state);

// Ctrl+numpad plus: divided by 1.2 while above 1, never below 1. Minus: times 1.2.
double ShrunkFactor(double factor);
double GrownFactor(double factor);

// A line width stepped by 2 on an Alt+wheel notch: down only while above 3,
// up only while at most `upper`.
int SteppedLineWidth(int width, bool up, int upper);

// Alt+wheel: the diagram line width while a result picture is shown, else the
// frame line width (the caller writes GRAPHRDB).
void WheelLineWidths(ViewerState& state, const PictureRequest& request, bool up);

// A plain wheel notch on the shown diagram: its scale ÷/× 1.5 × step (the
// displacement scale in the displacement picture). False when no diagram is shown.
bool WheelDiagramScale(PictureRequest& request, int step, bool up);

// The load case shown has results: its UT8 was read whole.
bool LoadCaseHasResults(const ViewerState& state);

}  // namespace revuzavi
