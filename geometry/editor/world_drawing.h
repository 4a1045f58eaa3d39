#pragma once
// The drawing operations of the geometry editor in world coordinates: the
// pen set, lines, circles and labels at world points, and the position line of
// a printed page.
#include <string>
#include <string_view>

#include "geometry/editor/view_state.h"
#include "platform/dc/dc.h"

namespace kelmf {

// The pens made at start and kept for the whole run.
struct PenSet {
  plat::Pen thin{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)};
  plat::Pen dashed{plat::PS_DASH, 0, plat::Rgb(0, 0, 0)};
  plat::Pen dotted{plat::PS_DOT, 0, plat::Rgb(0, 0, 0)};
  plat::Pen dash_dot{plat::PS_DASHDOT, 0, plat::Rgb(0, 0, 0)};
  plat::Pen dash_dot_dot{plat::PS_DASHDOTDOT, 0, plat::Rgb(0, 0, 0)};
  plat::Pen medium{plat::PS_SOLID, 2, plat::Rgb(0, 0, 0)};
  plat::Pen thick{plat::PS_SOLID, 3, plat::Rgb(0, 0, 0)};
  plat::Pen red{plat::PS_SOLID, 0, plat::Rgb(255, 0, 0)};
  plat::Pen green{plat::PS_SOLID, 4, plat::Rgb(0, 130, 0)};
  plat::Pen light_grey{plat::PS_SOLID, 0, plat::Rgb(205, 205, 205)};
  // The pen of line type 1 (and of any unknown type): the thin pen until type 1 makes it.
  plat::Pen extra{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)};
};

// -3 the green pen, 0 the red one, 2 dashed, 3 dotted, 4 dash-dot, 5 light
// grey, 6 dash-dot-dot; 1 makes a solid black pen of width 1 the extra pen;
// any other type selects the extra pen.
void SelectPenByLineType(plat::Dc& dc, PenSet& pens, int type);

// What the world operations need of the picture being drawn.
struct WorldCanvas {
  plat::Dc& dc;
  ViewState& view;
  int drawing_scale;
  int font_size;  // 80 x font factor
};

// The logical point of a world point: each coordinate x scale, truncated.
plat::Point ToLogical(int drawing_scale, double x, double z);

// A line between two world points; with the view's end circles on, a circle
// of the marker half-size + 2 around each end.
void DrawWorldLine(WorldCanvas& canvas, double xa, double za, double xb, double zb);
// A circle of `radius` logical units around a world point, in the current pen and brush.
void DrawWorldCircle(WorldCanvas& canvas, double x, double z, int radius);

// A label centred on a world point, turned by `angle` radians, in the rotated
// "ARIAL" font of the canvas' size. With the view's label-overlap switch on,
// the angle is first brought into -pi/2..pi/2 and a label whose rectangle meets
// an earlier one of the picture is not drawn. Every drawn label's device
// rectangle is kept in the view (no limit on their number).
void DrawWorldText(WorldCanvas& canvas, std::string_view text, double x, double z, double angle);

// The position line of a printed page: the frame of the margins, a line under
// the head and "Pos. <name>  <title>" in it. Leaves the context in MM_TEXT.
void DrawPositionLine(plat::Dc& dc, std::string_view position_name, std::string_view title, int font_size);

}  // namespace kelmf
