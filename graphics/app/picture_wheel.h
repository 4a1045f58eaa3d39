#pragma once
// One notch of the picture's wheel: the first rule that applies of the keys
// held, the picture shown and the wheel's target changes one scale.
#include "graphics/app/picture_controls.h"
#include "graphics/compose/picture_request.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

struct WheelKeys {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

enum class WheelEffect {
  kNone,        // nothing to scale
  kRedraw,      // a factor or the eigenmode's scale changed
  kLabels,      // the texts' size changed: the labels are placed anew
  kScales,      // a remembered scale changed: labels anew, MEMSCALEGLF1 written
  kLineWidths,  // a line width changed: GRAPHRDB written
};

// Alt: the line widths; eigenmode: its scale ÷/× 2.5 step;
// Ctrl: the force scale ÷/× 1.1; Shift: the text scale × 1.1 towards the
// user; the load target: the load scale ÷/× 1.1; A held or the reaction
// target: the reaction scale ÷/× 1.5; else the shown diagram's scale ÷/× 1.5
// step. The Green's-function pictures scale their curves in the view.
WheelEffect TurnWheel(ViewerState& state, PictureRequest& request, PictureControls& controls, const WheelKeys& keys,
                      bool up);

// The factor by which a remembered arrow scale enlarges its arrows: 1 at the
// default 0.1, 1 for a scale that is not above 0.
double ArrowFactor(float scale);

}  // namespace revuzavi
