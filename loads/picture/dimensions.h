#pragma once
// The overall dimensions of the frame under and beside it.
#include "loads/picture/picture.h"

namespace pundf::picture {

// Wider than 0.1 m: a dimension line under the frame with the width "%.2lf"
// under it; higher than 0.1 m: one on its right with the height on its right,
// turned by -90 degrees.
// Extension lines, filled arrow heads, the texts in the load labels' font (80
// times the text size), so that they grow with the other texts.
void DrawDimensions(Picture& picture);

}  // namespace pundf::picture
