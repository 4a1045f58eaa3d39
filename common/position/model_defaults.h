#pragma once
// The default material and cross section that a program writes when a position
// has none, and the reset of FrameParams.
#include "common/records/frame_params.h"
#include "common/records/section_records.h"

namespace common {

// Material 1: E = 26700000 kN/m2, second value 0.
MaterialRecord DefaultMaterial();
// Cross section 1: b 0.2, h 0.4, A 0.08, I 0.0010666667 (b h^3 / 12), further value 50000.
CrossSectionRecord DefaultCrossSection();

// Clears every field that a reset clears, sets the tolerance to 1e-6 and the
// four bytes from 679 (angle convention and display flags) to 1, 0, 0, 0.
// Every other byte keeps its value.
void ResetFrameParams(FrameParams& params);

}  // namespace common
