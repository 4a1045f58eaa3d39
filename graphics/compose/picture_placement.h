#pragma once
// Where a result diagram reaches and how far the frame picture moves up or down
// so that the diagram stays inside the page (the diagram scale is the user's).
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

// The move of the picture mapped on `c` (device pixels, down positive) that
// brings `reach` and a label line beyond it between the top and the bottom of
// the `window` margins of the request's client area; a reach too tall for the
// window is centred as far as the frame itself stays inside. 0 when it fits.
int ReachMove(Canvas& c, const PictureRequest& r, const PictureMargins& window, ZRange reach);

}  // namespace revuzavi
