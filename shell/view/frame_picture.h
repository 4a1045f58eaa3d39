#pragma once
// The frame picture of the shell's main view: elements with their numbers,
// supports, hinges, rigid joints, the origin with its axes and the overall
// width and height, z up.
#include <optional>

#include "platform/dc/dc.h"
#include "shell/view/frame_data.h"

namespace quentaris {

struct FramePictureOptions {
  plat::Rect client;          // the view's client rectangle (device pixels)
  int width = 0;              // the picture's room, centred in the client
  int height = 0;             //   (or on the printer's page)
  int pen_width = 1;          // PRDB
  double picture_factor = 1;  // zoom: the world window is divided by it
  int text_size = 80;         // tenths of a point, of the width and height texts
};

// The picture's room: 90 % of the client on the screen, 80 % of the page on a printer.
FramePictureOptions PictureArea(const plat::Dc& dc, const plat::Rect& client);

// Draws the frame (nothing without PARAMR or from a damaged NODES or
// ELEMENTS, or when the world window is empty) and leaves the context as it
// was. The mapping it drew with (logical units: metres x units per metre), or
// nothing when nothing was drawn.
std::optional<plat::Mapping> DrawFramePicture(const FrameData& frame, const FramePictureOptions& options,
                                              plat::Dc& dc);

// The world window of the picture in metres, as drawn: x1, z1, x2, z2.
struct FrameWindow {
  double left = 0, bottom = 0, right = 0, top = 0;
};
FrameWindow FrameWorldWindow(const common::DrawingExtents& extents, double picture_factor);

}  // namespace quentaris
