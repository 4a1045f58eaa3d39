#include "loads/picture/dimensions.h"

#include <cmath>
#include <numbers>

#include "loads/picture/labels.h"

namespace pundf::picture {
namespace {

// A filled arrow head with its tip at `tip`, pointing along (dx, dz), h long.
void DrawArrowHead(Picture& picture, WorldPoint tip, double dx, double dz, double h) {
  const double back_x = tip.x - 2.0 * h * dx, back_z = tip.z - 2.0 * h * dz;
  const double side_x = -0.5 * h * dz, side_z = 0.5 * h * dx;
  const plat::Point head[] = {At(picture, tip.x, tip.z), At(picture, back_x + side_x, back_z + side_z),
                              At(picture, back_x - side_x, back_z - side_z)};
  picture.dc.SelectBrush(plat::StockBrush(plat::BLACK_BRUSH));
  picture.dc.Polygon(head);
}

// A dimension line from a to b (unit direction (dx, dz)) with extension lines
// across it and arrow heads at both ends.
void DrawDimensionLine(Picture& picture, WorldPoint a, WorldPoint b, double dx, double dz, double h) {
  Line(picture, a, b);
  for (const WorldPoint& end : {a, b}) {
    Line(picture, {end.x - 0.5 * h * dz, end.z + 0.5 * h * dx}, {end.x + 1.5 * h * dz, end.z - 1.5 * h * dx});
  }
  DrawArrowHead(picture, a, -dx, -dz, h);
  DrawArrowHead(picture, b, dx, dz, h);
}

}  // namespace

void DrawDimensions(Picture& picture) {
  const common::DrawingExtents& e = picture.geometry().extents;
  const double xmin = e.xmin(), zmin = e.zmin(), xmax = e.xmax(), zmax = e.zmax();
  for (double v : {xmin, zmin, xmax, zmax}) {
    if (!std::isfinite(v)) return;
  }
  const double h = picture.symbol_size;
  // Just beyond the support symbols (2 h), so that line and text stay inside
  // the margin around the drawing area.
  const double gap = 2.2 * h;
  if (xmax - xmin > 0.1) {
    const double z = zmin - gap;
    DrawDimensionLine(picture, {xmin, z}, {xmax, z}, 1.0, 0.0, h);
    DrawTurnedText(picture, FormatText("%.2lf", xmax - xmin), 0.5 * (xmin + xmax), z - 1.0 * h,
                   LabelFont(picture, 0.0));
  }
  if (zmax - zmin > 0.1) {
    const double x = xmax + gap;
    DrawDimensionLine(picture, {x, zmin}, {x, zmax}, 0.0, 1.0, h);
    DrawTurnedText(picture, FormatText("%.2lf", zmax - zmin), x + 1.0 * h, 0.5 * (zmin + zmax),
                   LabelFont(picture, std::numbers::pi / 2));
  }
}

}  // namespace pundf::picture
