#pragma once
// The pens of the load picture by kind:
//   -5 blue, -4 and -2 white, -3 green, -1 red: solid, `width` wide;
//    2 dashed, 3 dotted, 4 dash-dotted, any other kind solid: black, one pixel.
#include "platform/dc/dc.h"

namespace pundf::picture {

inline constexpr int kRedPen = -1;
inline constexpr int kGreenPen = -3;
inline constexpr int kBlackPen = 0;

plat::Pen PenOfKind(int kind, int width);

// Selects the pen of `kind` into the context.
void SelectPen(plat::Dc& dc, int kind, int width);

}  // namespace pundf::picture
