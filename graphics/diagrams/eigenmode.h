#pragma once
// A vibration or buckling mode of the frame, read from the eigenvector file EV
// and the eigenvalue file EIGV that an outside program writes, drawn as the
// deflected shape of its displacements.
#include "common/result.h"
#include "graphics/diagrams/deflected_shape.h"

namespace revuzavi {

// The eigenvalues the viewer shows: of the mode drawn, the first and the n-th.
struct ModeValues {
  double mode = 0.0;
  double first = 0.0;
  double last = 0.0;
};

// Mode `mode` (1-based) of EV into the displacements 1..n and its eigenvalues
// from EIGV. A missing EV, a mode that EV or EIGV does not hold, or a value
// that is not a number is refused with a message naming the file, and the
// displacements and `values` stay; a missing EIGV leaves `values` alone.
common::Result ReadEigenmode(ViewerState& state, int mode, ModeValues& values);

// The shape of the displacements as the deflected shape draws it, without
// the loads of the load case; returns the elements drawn.
int DrawEigenmode(Canvas& c, const DeflectionOptions& o);

}  // namespace revuzavi
