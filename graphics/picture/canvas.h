#pragma once
// Canvas: what every drawing routine of the result pictures works with: the
// viewer's model and settings, the views' switches, the picture state it
// fills and the device context it draws on.
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/dc.h"

namespace revuzavi {

// A logical coordinate: rounded, and cut to what an int holds.
int ToLogical(double v);

struct Canvas {
  const ViewerState& viewer;
  const ViewState& view;
  PictureState& picture;
  plat::Dc& dc;

  int scale() const { return viewer.drawing_scale; }
  // World metres to logical units at the drawing scale.
  int Logical(double world) const;
};

}  // namespace revuzavi
