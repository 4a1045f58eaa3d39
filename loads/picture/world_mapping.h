#pragma once
// The world window of the load picture and its mapping onto a device context:
// a world point (x, z) in metres is the logical point (S x, S z), S the
// drawing step; the logical window is mapped isotropically onto the drawing
// rectangle with z up.
#include <optional>

#include "common/records/drawing_extents.h"
#include "loads/picture/picture_view.h"
#include "platform/dc/dc.h"

namespace pundf::picture {

// The part of the world shown, in metres.
struct WorldWindow {
  double x0 = 0.0;
  double z0 = 0.0;
  double x1 = 1.0;
  double z1 = 1.0;
  double CentreX() const { return 0.5 * (x0 + x1); }
  double CentreZ() const { return 0.5 * (z0 + z1); }
};

// The window from (x0, z0) to (x1, z1); an empty width or height becomes 1 m.
WorldWindow SetWorldWindow(double x0, double z0, double x1, double z1);

// The window of the frame's extents: at least up to x = 1 and z = 1; a width
// below 0.1 m becomes 1 m ending at that right edge.
WorldWindow WorldWindowOfExtents(const common::DrawingExtents& extents);

// Isotropic mapping of the window times `scale` onto the drawing rectangle:
// window extent the window times scale, viewport extent the rectangle with its
// height negated (z up), viewport origin the rectangle's centre, window origin
// scale times the window's centre. False (the context unchanged) when the
// window does not give whole logical coordinates.
bool SetViewMapping(plat::Dc& dc, const WorldWindow& window, int scale, const plat::Rect& drawing_rect);

// The same mapping with the drawing rectangle moved by (dx, dy) device units.
bool SetPanMapping(plat::Dc& dc, const WorldWindow& window, int scale, const plat::Rect& drawing_rect, int dx,
                   int dy);

// The window of a zoom box: its corners' bounds, at least up to x = 1 and
// z = 1; a width below 0.1 m becomes 1 m ending at the right edge.
WorldWindow ZoomBoxWindow(const ZoomBox& box);

// SetViewMapping with the zoom box's window; that window, or none when the
// mapping could not be set.
std::optional<WorldWindow> SetZoomBoxMapping(plat::Dc& dc, const ZoomBox& box, int scale,
                                             const plat::Rect& drawing_rect);

}  // namespace pundf::picture
