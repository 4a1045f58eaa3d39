#include "graphics/compose/picture_placement.h"

#include <algorithm>
#include <cmath>

#include "graphics/diagrams/diagram_strips.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/text.h"
#include "graphics/picture/world.h"

namespace revuzavi {
namespace {

// The room around the frame, a share of its size: the line-load bands reach
// 0.08 of it with their values beyond, the longest arrows 0.15 (the margins
// hold the rest).
constexpr double kFrameRoom = 0.1;

ZRange FrameRange(const Canvas& c) {
  const common::DrawingExtents& x = c.viewer.extents;
  return ZRange{std::min(x.zmin(), x.zmax()), std::max(x.zmin(), x.zmax())};
}

void Join(ZRange& range, double z) {
  range.low = std::min(range.low, z);
  range.high = std::max(range.high, z);
}

double DeviceY(const Canvas& c, double z) {
  return c.dc.LogicalToDevice(plat::PointD{0.0, z * c.scale()}).y;
}

}  // namespace

ZRange ShapeReach(const Canvas& c, const ShapeOptions& o, bool loads) {
  ZRange range = FrameRange(c);
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (!ElementShown(c.viewer, c.view, e)) continue;
    const mechanics::ElementCurves curves = PictureElementCurves(c.viewer, c.view, e, PictureCurveSwitches{loads, false});
    const ShapePoints points = ShapeOf(c, e, curves.u, curves.w, o);
    for (int k = 1; k <= mechanics::kSamples; ++k) Join(range, points.Drawn(k).y);
  }
  return range;
}

ZRange DiagramReach(const Canvas& c, mechanics::CurveLine mechanics::ElementCurves::*which, double scale) {
  ZRange range = FrameRange(c);
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (!ElementShown(c.viewer, c.view, e)) continue;
    const mechanics::ElementCurves curves = PictureElementCurves(c.viewer, c.view, e, PictureCurveSwitches{});
    const ElementDiagram d{e, &(curves.*which), scale};
    for (int k = 1; k <= mechanics::kSamples; ++k) Join(range, CurvePoint(c.viewer, d, k).y);
  }
  return range;
}

int MakeRoomAroundFrame(Canvas& c, PictureRequest& r) {
  if (r.plot_box_mode != 0) return 0;
  const common::DrawingExtents& e = c.viewer.extents;
  const double room = kFrameRoom * c.view.zoom_x *
                      std::max({static_cast<double>(e.xmax()) - e.xmin(), static_cast<double>(e.zmax()) - e.zmin(), 1.0});
  const WorldBounds& b = c.picture.current_bounds;
  const double width = b.right - b.left, height = 1.1 * (b.top - b.bottom);  // as the frame picture maps them
  const double area_width = r.client_width - r.margins.width, area_height = r.client_height - r.margins.height;
  if (!(width > 0.0) || !(height > 0.0) || area_width <= 0.0 || area_height <= 0.0) return 0;
  const double pixels_per_metre = std::min(area_width / (width + 2.0 * room), area_height / (height + 2.0 * room));
  const int pixels = static_cast<int>(std::ceil(room * pixels_per_metre));
  if (pixels <= 0 || area_width - 2 * pixels < 16 || area_height - 2 * pixels < 16) return 0;
  r.margins.left += pixels;
  r.margins.top += pixels;
  r.margins.width += 2 * pixels;
  r.margins.height += 2 * pixels;
  SetPlotWorld(c, r.plot_box_mode, r.plot_box, r.client_width, r.client_height, r.margins);
  r.world = c.picture.worlds[kFrameWorld];
  return pixels;
}

int PlaceReach(Canvas& c, PictureRequest& r, const PictureMargins& window, ZRange reach) {
  const double label = LabelLineHeight(c);
  const double top = DeviceY(c, reach.high + label), bottom = DeviceY(c, reach.low - label);
  const double band_top = window.top;
  const double band_bottom = r.client_height - (window.height - window.top);
  double move = 0.0;
  if (bottom - top <= band_bottom - band_top) {
    if (top < band_top) move = band_top - top;
    if (bottom > band_bottom) move = band_bottom - bottom;
  } else {
    // Centred, but never so far that the frame leaves the window.
    move = 0.5 * (band_top + band_bottom - top - bottom);
    const ZRange frame = FrameRange(c);
    const double frame_top = DeviceY(c, frame.high), frame_bottom = DeviceY(c, frame.low);
    if (band_top - frame_top <= band_bottom - frame_bottom) {
      move = std::clamp(move, band_top - frame_top, band_bottom - frame_bottom);
    }
  }
  const int pixels = static_cast<int>(move > 0.0 ? move + 0.999 : move - 0.999);  // whole pixels, never short
  if (pixels == 0) return 0;
  r.margins.top += pixels;
  SetPlotWorld(c, r.plot_box_mode, r.plot_box, r.client_width, r.client_height, r.margins);
  r.world = c.picture.worlds[kFrameWorld];
  return pixels;
}

}  // namespace revuzavi
