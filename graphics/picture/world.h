#pragma once
// The world windows of the pictures and their mapping onto the device: the
// frame picture at the fixed drawing scale, the diagram picture at a searched
// unit, and the plotter page.
#include "graphics/picture/canvas.h"

namespace revuzavi {

// Stores world `index` (0..4) from x1 to x2 and y1 to y2; an empty range is
// widened by 1. Bounds still equal (x1 + 1 = x1 in single precision) or an
// index outside 0..4 or a bound that is not a finite number show "x1 = ... y2 = ..." in a box titled "Error in
// DefineWorld" and store nothing: 0. Else 1.
int DefineWorld(PictureState& picture, int index, float x1, float y1, float x2, float y2);

// The frame picture: world 2 at 1 : drawing scale with the views' zoom, z up,
// MM_ISOTROPIC, centred across and 0.2 of the free height from the top; the
// margins hold on the screen and on a page alike. Sets the current bounds, the
// pixel step and, printing, the plot scale and the plot clip.
void SetClipRegion(Canvas& c, int client_width, int client_height, const PictureMargins& margins);

// The diagram picture: world 3 at the diagram unit found for it.
void SetViewport(Canvas& c, int client_width, int client_height, const PictureMargins& margins);

// The plotter page from world 2: mode 0 from the drawing extents (times the
// zoom), mapped with a tenth of the frame's size as room around it (wider
// margins), mode 1 from the box around the four corners (x, y pairs). Maps
// world 2 and writes the "SC" line to the plotter output. Returns the views'
// plot clip flag: cleared by mode 0, set by mode 1.
bool SetPlotWorld(Canvas& c, int mode, const WorldPoint (&corners)[4], int client_width, int client_height,
                  const PictureMargins& margins);

}  // namespace revuzavi
