#pragma once
// The frame picture of the shell's main view: elements with their numbers,
// supports, hinges, rigid joints, the origin with its axes and the overall
// width and height, z up.
#include <optional>

#include "common/world_mapping.h"
#include "platform/dc/dc.h"
#include "shell/view/frame_data.h"

namespace quentaris {

struct FramePictureOptions {
  common::PictureRoom room;   // the client and the picture's room in it (or on the page)
  int pen_width = 1;          // PRDB
  double picture_factor = 1;  // zoom: the world window is divided by it
  int text_size = 80;         // tenths of a point, of the width and height texts
};

// Draws the frame (nothing without PARAMR or from a damaged NODES or
// ELEMENTS, or when the world window is empty) and leaves the context as it
// was. The mapping it drew with (logical units: metres x units per metre), or
// nothing when nothing was drawn.
std::optional<plat::Mapping> DrawFramePicture(const FrameData& frame, const FramePictureOptions& options, plat::Dc& dc);

// The world window of the picture in metres, as drawn: x1, z1, x2, z2.
struct FrameWindow {
  double left = 0, bottom = 0, right = 0, top = 0;
};
FrameWindow FrameWorldWindow(const common::DrawingExtents& extents, double picture_factor);

}  // namespace quentaris
