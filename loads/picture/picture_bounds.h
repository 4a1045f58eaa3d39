#pragma once
// Where the loads of the picture are drawn in the world, so that the view can
// show the whole picture: loads beyond the frame (diagrams over its top,
// arrows at its sides, the settlement labels under it) must not fall under
// the view's tool and status bars.
#include "loads/model/load_model.h"
#include "loads/picture/picture_view.h"
#include "loads/picture/world_mapping.h"

namespace pundf::picture {

// The world points the loads of the load case are drawn at: the corners of
// the line loads' diagrams, the force arrows' points, the places of the
// settlement labels; and the dimension lines beside the frame. Extends
// `window` by them.
WorldWindow WithLoads(const LoadModel& model, const PictureView& view, WorldWindow window);

// The window the view shows: `window`, mapped onto the drawing rectangle,
// when the loads drawn then lie inside the view's rectangle (view.view_rect,
// less a margin of two text heights), else the window widened to hold them,
// evenly about its middle.
// `window` alone without a view rectangle (printing, tests of the mapping).
WorldWindow WindowShowingLoads(const LoadModel& model, const PictureView& view, const WorldWindow& window);

}  // namespace pundf::picture
