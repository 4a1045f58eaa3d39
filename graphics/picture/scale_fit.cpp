#include "graphics/picture/scale_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

struct DevicePoint {
  double x = 0.0, y = 0.0;
};

// The largest s with a + s d inside [low, high] on one axis; an axis point already outside the
// inner bounds (a frame reaching into the labels' band) may go as far as the outer ones.
double Room(double a, double d, double low, double high, double outer_low, double outer_high) {
  if (d > 0.0) {
    const double bound = a <= high ? high : outer_high;
    return a <= bound ? (bound - a) / d : 0.0;
  }
  if (d < 0.0) {
    const double bound = a >= low ? low : outer_low;
    return a >= bound ? (bound - a) / d : 0.0;
  }
  return std::numeric_limits<double>::infinity();
}

}  // namespace

double FitCurveScale(Canvas& c, const std::vector<OffsetPoint>& points, double scale) {
  ScaleFit& fit = c.picture.fit;
  fit.fitted = false;
  fit.scale = scale;
  const plat::Rect& w = c.picture.window;
  if (!fit.active || w.IsEmpty() || points.empty()) return scale;
  const double per_world = c.scale();
  // The points on the part of the frame the window shows (all but in an enlarged section).
  std::vector<DevicePoint> axis, unit;
  double largest = 0.0;  // the largest offset at scale 1, device pixels
  for (const OffsetPoint& p : points) {
    const plat::PointD a = c.dc.LogicalToDevice(plat::PointD{p.x * per_world, p.z * per_world});
    if (a.x < w.left || a.x > w.right || a.y < w.top || a.y > w.bottom) continue;
    const plat::PointD b = c.dc.LogicalToDevice(plat::PointD{(p.x + p.dx) * per_world, (p.z + p.dz) * per_world});
    axis.push_back(DevicePoint{a.x, a.y});
    unit.push_back(DevicePoint{b.x - a.x, b.y - a.y});
    largest = std::max(largest, std::hypot(unit.back().x, unit.back().y));
  }
  if (!(largest > 1e-12) || !std::isfinite(largest)) return scale;  // nothing off the axis to size

  // How far the points may go: the window less a label line for a scale kept, less two for a fitted one.
  const plat::PointD o = c.dc.LogicalToDevice(plat::PointD{0.0, 0.0});
  const plat::PointD h = c.dc.LogicalToDevice(plat::PointD{0.0, LabelLineHeight(c) * per_world});
  const double shorter = std::min(w.Width(), w.Height());
  const double band = std::min(2.0 * std::fabs(h.y - o.y), shorter / 4.0);
  double inside = std::numeric_limits<double>::infinity(), roomy = inside;
  const double line = band / 2.0;  // a kept curve leaves its labels a line at the window's edge
  for (std::size_t i = 0; i < axis.size(); ++i) {
    const DevicePoint a = axis[i], d = unit[i];
    inside = std::min({inside, Room(a.x, d.x, w.left + line, w.right - line, w.left, w.right),
                       Room(a.y, d.y, w.top + line, w.bottom - line, w.top, w.bottom)});
    roomy = std::min({roomy, Room(a.x, d.x, w.left + band, w.right - band, w.left, w.right),
                      Room(a.y, d.y, w.top + band, w.bottom - band, w.top, w.bottom)});
  }
  const double smallest = kSmallestOrdinate * shorter / largest;
  const bool kept = std::isfinite(scale) && scale > 0.0 && scale >= smallest && scale <= inside;
  if (kept && !fit.force) return scale;
  double fitted = std::min(kFittedOrdinate * shorter / largest, roomy);
  if (fit.to_bound && !fit.force && std::isfinite(scale) && scale > 0.0) {
    // The wheel went past the readable range: it stops at its bound.
    // A hair inside, so that the scale kept as a float stays in range at the next drawing.
    fitted = scale < smallest ? smallest * (1.0 + 1e-5) : std::max(smallest, roomy * (1.0 - 1e-5));
    fitted = std::min(fitted, inside * (1.0 - 1e-5));
  }
  if (!(fitted > 0.0)) fitted = std::min(kFittedOrdinate * shorter / largest, inside);
  if (!(fitted > 0.0)) fitted = kFittedOrdinate * shorter / largest;  // no room at all: seen at least
  fit.fitted = true;
  fit.scale = fitted;
  return fitted;
}

}  // namespace revuzavi
