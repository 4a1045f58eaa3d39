#include "graphics/compose/picture_placement.h"

#include <algorithm>

#include "graphics/diagrams/diagram_strips.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

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

int ReachMove(Canvas& c, const PictureRequest& r, const PictureMargins& window, ZRange reach) {
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
  if (move == 0.0) return 0;
  return static_cast<int>(move > 0.0 ? move + 0.999 : move - 0.999);  // whole pixels, never short
}

}  // namespace revuzavi
