#pragma once
// Where the frame picture stands in the window: room around the frame for the
// loads and reactions beside it, and a result diagram kept inside the window
// by moving the picture up or down (the diagram scale is the user's). Both act
// through the request's margins, through which a click finds its world point.
#include <optional>

#include "graphics/compose/picture_request.h"
#include "graphics/diagrams/shape_drawing.h"
#include "graphics/picture/canvas.h"
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

// The lowest and the highest drawn z (world metres).
struct ZRange {
  double low = 0.0;
  double high = 0.0;
};

// The frame's own z range joined with what the deflected shapes drawn with `o` reach.
ZRange ShapeReach(const Canvas& c, const ShapeOptions& o, bool loads);

// The frame's own z range joined with what the diagram of line `which` (the curves' n, m or v),
// `scale` drawn metres per unit, reaches.
ZRange DiagramReach(const Canvas& c, mechanics::CurveLine mechanics::ElementCurves::*which, double scale);

// Widens `r`'s margins by a tenth of the frame's size at the scale that leaves
// it on every side, and maps the frame picture again; the frame world, its
// scale line and plot page stay the frame's. Returns the room in device pixels.
int MakeRoomAroundFrame(Canvas& c, PictureRequest& r);

// Moves the picture mapped on `c` with `r`'s margins up or down (the top margin, then the
// mapping again) so that `reach` and a label line beyond it fit between the top and the
// bottom of `window` (the margins the view asked for); a reach too tall for the window is
// centred as far as the frame itself stays inside. Returns the move in device pixels
// (down positive).
int PlaceReach(Canvas& c, PictureRequest& r, const PictureMargins& window, ZRange reach);

}  // namespace revuzavi
