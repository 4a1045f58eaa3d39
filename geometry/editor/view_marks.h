#pragma once
// What the view draws over its picture between paints, in client pixels and
// R2_NOT, so that drawing a mark twice takes it away again: the crosshair,
// the rubber rectangle and the rubber line; and the element just drawn by the
// mouse, with squares at its ends.
#include "platform/dc/dc.h"

namespace kelmf {

// A horizontal and a vertical line through `p`, 6000 pixels long, and a
// square of +-5 pixels around it.
void DrawCrosshair(plat::Dc& dc, plat::Point p);
// The rectangle a-b, no fill.
void DrawRubberRectangle(plat::Dc& dc, plat::Point a, plat::Point b);
// The line a-b.
void DrawRubberLine(plat::Dc& dc, plat::Point a, plat::Point b);
// A circle of radius `r` pixels around `p`, R2_NOT.
void DrawPointMarker(plat::Dc& dc, plat::Point p, int r);
// The element a-b in `pen` (copy mode), squares of +-`half` pixels at its ends.
void DrawNewElement(plat::Dc& dc, const plat::Pen& pen, plat::Point a, plat::Point b, int half);

}  // namespace kelmf
