#pragma once
// The arrows of the load and reaction pictures: a straight force arrow filled
// as one polygon, and a moment drawn as an arc arrow. All in the frame's world
// (x right, z up, metres); an arrow points the way its force acts.
#include "graphics/picture/canvas.h"
#include "graphics/picture/label_positions.h"

namespace revuzavi {

// The larger side of the frame's extents, at least 1 m: the measure of the
// arrows and arcs.
double FrameSize(const ViewerState& state);

// The arrow template in curve points 1..8: tip at the origin, a head `length`
// / 3 long and 2 `half_width` wide, a shaft `half_width` wide up to `length`
// along +y, so that the arrow points down (-y) for a positive length.
void MakeArrowShape(PictureState& picture, double half_width, double length);

// The template turned so that it points along unit vector (dx, dz), moved to
// (x, z) and filled, outlined in black or, with `red`, in red. Returns the middle of the shaft's
// far end.
WorldPoint DrawTurnedArrow(Canvas& c, double x, double z, double dx, double dz, double half_width, double length,
                           bool red = false);

// A force `value` (kN) along +x (horizontal) or +z, its tip at (x, z) and
// pointing the way the force acts: e = |value| size / 2, the head e long and
// 2 e wide (at most 0.03 of the frame's size), the shaft 3 e long. Filled grey, then with the views' brush for a
// positive or a negative value. The text |value| "%.2f kN" is label number
// ++counter of `labels`, first placed at the shaft's far end.
void DrawForceArrow(Canvas& c, LabelPositionTable& labels, int& counter, double size, double x, double z,
                    double value, bool horizontal);

// Two concentric arcs of radii r1 and r2 around (x, z) from angle `start` to
// `end` (radians, anticlockwise from +x) in `steps` pieces, in the red pen,
// with the arrow lines at the end of the turn: anticlockwise unless
// `clockwise`, which mirrors the arc about the vertical through (x, z).
void DrawMomentArc(Canvas& c, double x, double z, double r1, double r2, double start, double end, bool clockwise,
                   int steps = 12);

}  // namespace revuzavi
