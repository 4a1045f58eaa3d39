#pragma once
// The distributed loads of the load case shown: the self weight as a band
// along every element with its weight per metre, and the line loads as
// polygons of their ordinates on the side they push from, with short arrows
// the way they act on the upright frame.
#include "graphics/picture/canvas.h"

namespace revuzavi {

// The text of the self weight of element e, "%4.1lf kN/m" of its cross
// section's area times the unit weight plus the covering; empty when the
// element names no cross section of the frame.
std::string SelfWeightText(const ViewerState& state, int e);

// Every element shown (not picked in the modified-frame view): its band and
// its text. Returns the number of elements drawn.
int DrawSelfWeight(Canvas& c);

// The user's line loads on elements that are not switched off; `labels` draws
// their values ("%.1f kN/m"). Returns the number drawn.
int DrawLineLoads(Canvas& c, bool labels);

}  // namespace revuzavi
