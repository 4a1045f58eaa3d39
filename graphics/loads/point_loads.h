#pragma once
// The point loads of the load case shown: forces as arrows the way they act
// on the upright frame, moments as arc arrows, imposed dislocations (kinks and
// jumps) as their texts only.
#include "graphics/picture/canvas.h"

namespace revuzavi {

// The text of load `number`: "F%i  %.2f kN", "M%i  %.2f kNm", "Kink Delta
// %.3f", "Delta w %.3f" or "Delta u %.3f" by the kind byte; while the views'
// new-loads flag is set, empty for loads numbered above their first new load.
std::string PointLoadText(const ViewState& view, const common::PointLoadRecord& load, int number);

// Every point load whose value exceeds the frame's tolerance in magnitude.
// Returns the number drawn.
int DrawPointLoads(Canvas& c);

}  // namespace revuzavi
