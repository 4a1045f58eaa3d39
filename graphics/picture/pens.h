#pragma once
// The pen table of the pictures: one pen of the table is selected at a time.
#include "graphics/picture/canvas.h"

namespace revuzavi {

inline constexpr plat::ColorRef kRedPen = plat::Rgb(255, 10, 10);
inline constexpr plat::ColorRef kGreenPen = plat::Rgb(0, 180, 0);
inline constexpr plat::ColorRef kRosePen = plat::Rgb(200, 120, 120);

// Pen `index` of the table with the viewer's line widths (logical units):
// 0 and unlisted black, 2 dash, 3 dot, 4 dash-dot, -1 red, -2 and -4 white,
// -3 green of the second width, -5 rose, -6 red of the second width, -7 red
// twice as wide, -8 black and -9 black dash of the second width (the curves of
// the diagrams and shapes: the diagram line width).
inline constexpr int kDiagramCurvePen = -8;
inline constexpr int kShapeCurvePen = -9;

plat::Pen TablePen(const ViewerState& viewer, int index);

// Selects pen `index` of the table; returns the pen selected before.
plat::Pen SelectPen(Canvas& c, int index);

}  // namespace revuzavi
