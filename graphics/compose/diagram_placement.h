#pragma once
// Where a result diagram reaches and how the picture moves up or down so that
// the diagram stays inside the window: the diagram scale is the user's, only
// the place of the picture changes.
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

// Moves the picture mapped on `c` with `r`'s margins up or down (the top margin, then the
// mapping again) so that `reach` and a label line beyond it fit between the top and the
// bottom margin; a reach too tall for the window is centred as far as the frame itself
// stays inside. Returns the move in device pixels (down positive).
int PlaceReach(Canvas& c, PictureRequest& r, ZRange reach);

}  // namespace revuzavi
