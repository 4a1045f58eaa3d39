#include "loads/picture/world_mapping.h"

#include <algorithm>
#include <cmath>

namespace pundf::picture {
namespace {

// Logical coordinates stay well inside the device context's integers.
constexpr double kMaxLogical = 1.0e9;

bool FitsLogical(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxLogical; }

int Whole(double v) { return static_cast<int>(std::lround(v)); }

// Bounds from x0 to max(x1, 1) and z0 to max(z1, 1); a width below 0.1 becomes
// 1 ending at the right edge.
WorldWindow AtLeastToOne(double x0, double z0, double x1, double z1) {
  x1 = std::max(x1, 1.0);
  if (x1 - x0 < 0.1) x0 = x1 - 1.0;
  return SetWorldWindow(x0, z0, x1, std::max(z1, 1.0));
}

}  // namespace

WorldWindow SetWorldWindow(double x0, double z0, double x1, double z1) {
  if (x0 == x1) x1 = x0 + 1.0;
  if (z0 == z1) z1 = z0 + 1.0;
  return WorldWindow{x0, z0, x1, z1};
}

WorldWindow WorldWindowOfExtents(const common::DrawingExtents& extents) {
  return AtLeastToOne(extents.xmin(), extents.zmin(), extents.xmax(), extents.zmax());
}

bool SetViewMapping(plat::Dc& dc, const WorldWindow& window, int scale, const plat::Rect& drawing_rect) {
  const double width = (window.x1 - window.x0) * scale;
  const double height = (window.z1 - window.z0) * scale;
  const double origin_x = window.CentreX() * scale;
  const double origin_z = window.CentreZ() * scale;
  for (double v : {width, height, origin_x, origin_z}) {
    if (!FitsLogical(v)) return false;
  }
  if (Whole(width) == 0 || Whole(height) == 0 || drawing_rect.Width() == 0 || drawing_rect.Height() == 0) {
    return false;
  }
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(Whole(width), Whole(height));
  dc.SetViewportExt(drawing_rect.Width(), -drawing_rect.Height());
  dc.SetViewportOrg((drawing_rect.left + drawing_rect.right) / 2, (drawing_rect.top + drawing_rect.bottom) / 2);
  dc.SetWindowOrg(Whole(origin_x), Whole(origin_z));
  return true;
}

bool SetPanMapping(plat::Dc& dc, const WorldWindow& window, int scale, const plat::Rect& drawing_rect, int dx,
                   int dy) {
  const plat::Rect moved{drawing_rect.left + dx, drawing_rect.top + dy, drawing_rect.right + dx,
                         drawing_rect.bottom + dy};
  return SetViewMapping(dc, window, scale, moved);
}

WorldWindow ZoomBoxWindow(const ZoomBox& box) {
  return AtLeastToOne(std::min(box.x0, box.x1), std::min(box.z0, box.z1), std::max(box.x0, box.x1),
                      std::max(box.z0, box.z1));
}

std::optional<WorldWindow> SetZoomBoxMapping(plat::Dc& dc, const ZoomBox& box, int scale,
                                             const plat::Rect& drawing_rect) {
  const WorldWindow window = ZoomBoxWindow(box);
  if (!SetViewMapping(dc, window, scale, drawing_rect)) return std::nullopt;
  return window;
}

}  // namespace pundf::picture
