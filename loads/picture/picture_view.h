#pragma once
// The view's display state that the load picture is drawn with: one value,
// handed in whole to every drawing.
#include "platform/dc/gdi_types.h"

namespace pundf::picture {

// Two corners of a zoom box in metres (x, z), in any order.
struct ZoomBox {
  float x0 = 0.0f;
  float z0 = 0.0f;
  float x1 = 0.0f;
  float z1 = 0.0f;
};

struct PictureView {
  plat::Rect drawing_rect;   // device units
  // The view's client rectangle on the screen (device units): the picture's
  // loads are kept inside it. Empty for a printed picture (and the tests of
  // the mapping alone): the frame's extents fill the drawing rectangle.
  plat::Rect view_rect;
  bool zoom_box_set = false; // draw the zoom box's world window
  ZoomBox zoom_box;
  float zoom = 0.7f;         // line-load ordinates 0.1 times it, force arrows 0.025 times it
  float global_zoom = 1.0f;  // size of the moment symbols
  float load_scale = 1.0f;   // multiplies ordinates and force arrows (Shift+wheel)
  float text_size = 1.0f;    // load labels are 80 times it high
  int label_offset = 0;      // added to the place of load labels (Ctrl+wheel)
  bool filled_bands = false; // loaded bands light grey instead of hatched red
  bool element_numbers = false;
  bool node_numbers = false;
  int pen_width = 1;         // logical units, 0 = one pixel
};

}  // namespace pundf::picture
