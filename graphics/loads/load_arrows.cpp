#include "graphics/loads/load_arrows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

void SetCurvePoint(PictureState& p, int i, double x, double y) {
  p.curve_points[static_cast<std::size_t>(i)] = WorldPoint{static_cast<float>(x), static_cast<float>(y)};
  p.sign_words[static_cast<std::size_t>(i)] = 0;
}

// A template point (px, py), whose arrow points along -y, turned to point along
// (dx, dz) and moved to (x, z).
WorldPoint Turned(double px, double py, double dx, double dz, double x, double z) {
  return WorldPoint{static_cast<float>(x - dz * px - dx * py), static_cast<float>(z + dx * px - dz * py)};
}

}  // namespace

double FrameSize(const ViewerState& state) {
  const common::DrawingExtents& e = state.extents;
  return std::max({e.xmax() - e.xmin(), e.zmax() - e.zmin(), 1.0f});
}

void MakeArrowShape(PictureState& picture, double half_width, double length) {
  const double w = std::fabs(half_width), h = length / 3.0;
  const double xs[8] = {0.0, w, w / 2, w / 2, -w / 2, -w / 2, -w, 0.0};
  const double ys[8] = {0.0, h, h, length, length, h, h, 0.0};
  for (int i = 0; i < 8; ++i) SetCurvePoint(picture, i + 1, xs[i], ys[i]);
}

WorldPoint DrawTurnedArrow(Canvas& c, double x, double z, double dx, double dz, double half_width, double length,
                           bool red) {
  PictureState& p = c.picture;
  MakeArrowShape(p, half_width, length);
  for (int i = 1; i <= 8; ++i) {
    WorldPoint& q = p.curve_points[static_cast<std::size_t>(i)];
    q = Turned(q.x, q.y, dx, dz, x, z);
  }
  if (red) p.sign_words[1] = -1;  // the outline's colour goes on from the first point
  DrawFilledPolygon(c);
  return Turned(0.0, length, dx, dz, x, z);
}

void DrawForceArrow(Canvas& c, LabelPositionTable& labels, int& counter, double size, double x, double z,
                    double value, bool horizontal) {
  const double e = std::fabs(value) * size / 2.0;
  const double sign = value < 0.0 ? -1.0 : 1.0;
  const double dx = horizontal ? sign : 0.0, dz = horizontal ? 0.0 : sign;
  // Long arrows keep a slender head: at most 0.015 of the frame's size wide on each side.
  const WorldPoint far = DrawTurnedArrow(c, x, z, dx, dz, std::min(e, 0.015 * FrameSize(c.viewer)), 3.0 * e);
  // The views' brush of the value's sign over the grey fill.
  PictureState& p = c.picture;
  const double scale = c.scale();
  for (int i = 1; i <= 8; ++i) {
    const WorldPoint q = p.curve_points[static_cast<std::size_t>(i)];
    p.device_points[static_cast<std::size_t>(i)] = plat::Point{ToLogical(q.x * scale), ToLogical(q.y * scale)};
  }
  const plat::Brush brush = c.dc.SelectBrush(value > 0.0 ? c.view.positive_brush : c.view.negative_brush);
  c.dc.Polygon(std::span<const plat::Point>(p.device_points.data() + 1, 8));
  c.dc.SelectBrush(brush);

  char text[64];
  std::snprintf(text, sizeof text, "%.2f kN", std::fabs(value));
  ++counter;
  const LabelPosition at = labels.Place(counter, far.x, far.y);
  DrawRotatedText(c, at.x, at.z, text, 1, 0.0, counter, 1, true);
}

void DrawMomentArc(Canvas& c, double x, double z, double r1, double r2, double start, double end, bool clockwise,
                   int steps) {
  if (steps < 1) steps = 1;
  const double mirror = clockwise ? -1.0 : 1.0;
  auto at = [&](double r, double angle) {
    return WorldPoint{static_cast<float>(x + mirror * r * std::cos(angle)), static_cast<float>(z + r * std::sin(angle))};
  };
  const plat::Pen pen = SelectPen(c, -1);
  for (const double r : {r1, r2}) {
    for (int k = 0; k < steps; ++k) {
      const WorldPoint a = at(r, start + (end - start) * k / steps);
      const WorldPoint b = at(r, start + (end - start) * (k + 1) / steps);
      DrawLine(c, a.x, a.y, b.x, b.y);
    }
  }
  // The head: from both arcs' ends to a tip a little further on the middle radius.
  const double turn = end > start ? 1.0 : -1.0;
  const double mid = (r1 + r2) / 2.0;
  const WorldPoint tip = at(mid, end + turn * std::fabs(r2 - r1) / (mid > 0.0 ? mid : 1.0));
  for (const double r : {r1 - (r2 - r1) / 2.0, r2 + (r2 - r1) / 2.0}) {
    const WorldPoint a = at(r, end);
    DrawLine(c, a.x, a.y, tip.x, tip.y);
  }
  c.dc.SelectPen(pen);
}

}  // namespace revuzavi
