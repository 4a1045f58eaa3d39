#pragma once
// The rules of the Green's-function, flexibility and shape-function pictures
// of the picture window: the element Green function's kinds with their scales
// remembered in MEMSCALEGFE<element>, the flexibility list FLEXMAX, the steps
// through the supported degrees of freedom, and the pictures' titles.
#include <array>
#include <string>
#include <vector>

#include "common/result.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// The element Green function's kind and scale after an Up (next) or Down step.
struct GreenKindStep {
  int kind = 1;
  float scale = 0.0f;
};

// From `kind` at `scale`, with the scales remembered per kind (index 1..6,
// 0 for none): the next kind (after 6 comes 1) or the previous one (before 1
// comes 6). A kind with a remembered scale takes it; otherwise kind 4 reached
// by Up takes a hundredth, kind 2 reached by Down a thousandth of `scale`,
// every other kind keeps it.
GreenKindStep NextGreenKind(int kind, float scale, bool next, const std::array<float, 7>& remembered);

// The same step with the file: MEMSCALEGFE<element> is read, `scale` is kept
// for `kind` and written back, then the next kind is taken.
GreenKindStep StepElementGreenKind(const ViewerState& state, int element, int kind, float scale, bool next);

// The picture name of Green kind 1..6: "GF Displacement u [mm]" .. "GF M [m]"; kinds 4..6 are
// influence values, "GF N [kN/kN]", "GF V [kN/kN]", "GF M [m]".
const char* GreenKindName(int kind);

// "u", "w", "w'", "N", "V", "M" of kind 1..6.
const char* GreenKindLetter(int kind);

// "Position %s Element %i %s  %s": the element, the kind's name, the nodal sums.
std::string ElementGreenTitle(const ViewerState& state, int element, int kind, const std::string& sums);

// "Strain energy products g^T K u (elementwise) between u and Green's function for %s".
std::string GreenEnergyTitle(int kind);

// One entry of FLEXMAX: a node, its equation and the diagonal flexibility there.
struct FlexEntry {
  int node = 0;
  int equation = 0;
  float flexibility = 0.0f;
};

// FLEXMAX of the position: one 12-byte entry per equation, largest first.
// Missing: "The flexibility list <path> is missing. Store the frame in Frame
// once more."; a size other than 12 n bytes, a node or equation outside the
// frame or a value that is not finite: damaged, naming the file.
common::Result ReadFlexMax(const ViewerState& state, std::vector<FlexEntry>& entries);

// "Node %i  Flexibility of dofs in decreasing order  f(%i,%i) = %.3e  (%i/%i)"
// of entry k (1-based).
std::string FlexTitle(const std::vector<FlexEntry>& entries, int k);

// The entry of a list of `count` after `k` (Up; after the last the first) or
// before it (Down; before the first the last).
int WrappedStep(int k, int count, bool next);

// The title of support-dof entry k (1-based): what its field is, SupportMovedText; empty outside
// the list.
std::string SupportGreenTitle(const ViewerState& state, int k);

// "Position %s  LC %i  Shape function of DOF %i": the unit displacement of equation `dof`.
std::string ShapeFunctionTitle(const ViewerState& state, int dof);

// The field [1..n] of Green kind 1..6 at `position` metres along element e: the
// INVERSE columns at its equations weighted with the end forces of the unit
// action there. Fails naming what is wrong; `u` is then unchanged.
common::Result GreenDisplacementsAt(const ViewerState& state, int e, int kind, double position,
                                    std::vector<double>& u);

// The energy picture of a Green's function g: per element e (1..count) the product g_e^T K_e u_e
// of its stiffness with the end values of g and u at its equations (none where it has no
// equation); entry 0 is 0.
std::vector<float> GreenEnergyProducts(const ViewerState& state, const std::vector<double>& g,
                                       const std::vector<double>& u);

// What the picture window keeps of its Green's-function and flexibility pictures.
struct GreenPictureState {
  std::string sums;             // the nodal sums of the element Green function shown
  std::vector<FlexEntry> flex;  // FLEXMAX while the flexibility picture is on
  int flex_entry = 0;           // the entry shown, 1-based; 0 when the picture is off
  int any_choice = 0;           // the last choice of CDiaGreenAny, 0..5
  bool any_integral = false;
  int any_number = -1;          // the Green's function anywhere: choice + 1; -1 after Cancel
  bool energy_of_any = false;   // the energy picture came from the Green's function anywhere
  std::array<float, 7> any_scales{};  // the scale of each function anywhere (1..6), 0 for none yet
};

}  // namespace revuzavi
