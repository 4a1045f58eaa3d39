#include "geometry/editor/world_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/rotated_font.h"
#include "common/world_mapping.h"
#include "platform/message_box.h"

namespace kelmf {
namespace {

void MapWindow(plat::Dc& dc, ViewState& view, const DrawArea& area, const WorldBox& shown, int drawing_scale,
               double window_scale, int font_size) {
  const double d = drawing_scale;
  view.world_defined = true;
  view.mapped = shown;
  common::MapWorldWindow(dc, shown.x1 * d, shown.z1 * d, (shown.x2 - shown.x1) * d * window_scale,
                         (shown.z2 - shown.z1) * d * window_scale, area);
  dc.SelectFont(common::CreateRotatedFont(dc, font_size, 0));
  view.mapping = dc.mapping();
  view.marker_half_size = std::max(1, static_cast<int>(PixelsToLogical(view.mapping, 3.0)) + 1);
}

}  // namespace

bool DefineWorld(ViewState& view, double x1, double z1, double x2, double z2) {
  if (x1 == x2) x2 = x1 + 1.0;
  if (z1 == z2) z2 = z1 + 1.0;
  const bool finite = std::isfinite(x1) && std::isfinite(z1) && std::isfinite(x2) && std::isfinite(z2);
  if (!finite || x1 == x2 || z1 == z2) {
    char text[400];
    std::snprintf(text, sizeof text, "x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f", x1, z1, x2, z2);
    plat::MessageBox(text, kDefineWorldCaption, plat::MB_OK);
    return false;
  }
  view.world = WorldBox{x1, z1, x2, z2};
  view.world_defined = true;
  return true;
}

void SetUpMapping(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale, int font_size) {
  const WorldBox& w = view.world;
  const double cx = (w.x1 + w.x2) / 2.0;
  const double cz = (w.z1 + w.z2) / 2.0;
  const double hx = (w.x2 - w.x1) * view.keyboard_zoom / 2.0;
  const double hz = (w.z2 - w.z1) * view.keyboard_zoom / 2.0;
  MapWindow(dc, view, area, WorldBox{cx - hx, cz - hz, cx + hx, cz + hz}, drawing_scale, view.window_scale,
            font_size);
}

void SetUpExtentsMapping(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale,
                         const common::DrawingExtents& extents) {
  MapWindow(dc, view, area, WorldBox{extents.xmin(), extents.zmin(), extents.xmax(), extents.zmax()},
            drawing_scale, 1.0, 80);
}

bool DefineWorldFromCorners(plat::Dc& dc, ViewState& view, const DrawArea& area, int drawing_scale, int font_size,
                            const WorldBox& corners, double margin) {
  margin = std::max(margin, 1.0);
  const double x1 = std::min(corners.x1, corners.x2);
  const double x2 = std::max(corners.x1, corners.x2);
  const double z1 = std::min(corners.z1, corners.z2);
  const double z2 = std::max(corners.z1, corners.z2);
  const double cx = (x1 + x2) / 2.0;
  const double cz = (z1 + z2) / 2.0;
  const double hx = (x2 - x1) * margin / 2.0;
  const double hz = (z2 - z1) * margin / 2.0;
  if (!DefineWorld(view, cx - hx, cz - hz, cx + hx, cz + hz)) return false;
  SetUpMapping(dc, view, area, drawing_scale, font_size);
  return true;
}

plat::PointD DeviceToWorld(const ViewState& view, int drawing_scale, plat::Point device) {
  const plat::PointD logical =
      view.mapping.ToLogical(plat::PointD{static_cast<double>(device.x), static_cast<double>(device.y)});
  const double d = drawing_scale > 0 ? drawing_scale : 1;
  return plat::PointD{logical.x / d, logical.y / d};
}

}  // namespace kelmf
