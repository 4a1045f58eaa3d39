#include "graphics/picture/lines.h"

#include <algorithm>
#include <cmath>

#include "graphics/picture/hpgl.h"
#include "graphics/picture/pens.h"

namespace revuzavi {
namespace {

bool InPlotWindow(const PlotWindow& w, double x, double y) {
  const double lo_x = std::min(w.xmin, w.xmax) - 0.1, hi_x = std::max(w.xmin, w.xmax) + 0.1;
  const double lo_y = std::min(w.ymin, w.ymax) - 0.1, hi_y = std::max(w.ymin, w.ymax) + 0.1;
  return x >= lo_x && x <= hi_x && y >= lo_y && y <= hi_y;
}

void Plot(Canvas& c, double x1, double y1, double x2, double y2) {
  std::string* out = c.view.plotter;
  if (out == nullptr) return;
  if (!InPlotWindow(c.picture.plot_window, x1, y1) || !InPlotWindow(c.picture.plot_window, x2, y2)) return;
  if (c.view.plotter_pen > 0) {
    *out += "LT" + std::to_string(c.view.plotter_pen) + " 1.0;SP 1;PA;PU";
  } else {
    *out += "LT;SP 1;PA;PU";
  }
  *out += HpglNumber(x1) + " " + HpglNumber(y1) + ";";
  *out += "PA;PD" + HpglNumber(x2) + " " + HpglNumber(y2) + ";";
}

// Notes a logical point near a border of the surface.
void NoteBorder(Canvas& c, plat::Point logical) {
  const plat::Point d = c.dc.LPtoDP(logical);
  const int w = c.dc.GetDeviceCaps(plat::HORZRES), h = c.dc.GetDeviceCaps(plat::VERTRES);
  BorderExtremes& b = c.picture.border;
  const bool near_x = d.x <= w / 100 || d.x >= w - w / 100;
  const bool near_y = d.y <= h / 100 || d.y >= h - h / 100;
  if (near_x && d.x > b.max_x) b.max_x = d.x, b.y_at_max_x = logical.y;
  if (near_x && d.x < b.min_x) b.min_x = d.x, b.y_at_min_x = logical.y;
  if (near_y && d.y > b.max_y) b.max_y = d.y, b.x_at_max_y = logical.x;
  if (near_y && d.y < b.min_y) b.min_y = d.y, b.x_at_min_y = logical.x;
}

void Segment(Canvas& c, double x1, double y1, double x2, double y2, double scale) {
  c.dc.MoveTo(ToLogical(x1 * scale), ToLogical(y1 * scale));
  c.dc.LineTo(ToLogical(x2 * scale), ToLogical(y2 * scale));
}

// A segment of a curve, whose end points count for the border extremes.
void CurveSegment(Canvas& c, double x1, double y1, double x2, double y2, double scale) {
  Segment(c, x1, y1, x2, y2, scale);
  NoteBorder(c, plat::Point{ToLogical(x1 * scale), ToLogical(y1 * scale)});
  NoteBorder(c, plat::Point{ToLogical(x2 * scale), ToLogical(y2 * scale)});
}

int SignPen(double v1, double v2) { return v1 < 0.0 || v2 < 0.0 ? -1 : 0; }

int CurveCount(const Canvas& c, int n) {
  return std::clamp(n, 0, static_cast<int>(c.picture.curve_points.size()) - 1);
}

}  // namespace

void DrawLine(Canvas& c, double x1, double y1, double x2, double y2) {
  Segment(c, x1, y1, x2, y2, c.scale());
  Plot(c, x1, y1, x2, y2);
}

void DrawCircle(Canvas& c, double x, double y, int r) {
  const int cx = c.Logical(x), cy = c.Logical(y);
  c.dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

void DrawWorldLine(Canvas& c, double x1, double y1, double x2, double y2) {
  Segment(c, x1, y1, x2, y2, c.scale());
  if (!c.picture.end_dots) return;
  const int r = c.picture.pixel_step() + 3;
  DrawCircle(c, x1, y1, r);
  DrawCircle(c, x2, y2, r);
}

int DrawCurve(Canvas& c, int n, int pen, bool straight, bool ordinates, double scale) {
  n = CurveCount(c, n);
  const std::vector<WorldPoint>& p = c.picture.curve_points;
  SelectPen(c, pen);
  for (int i = 1; i < n; ++i) {
    const WorldPoint a = p[static_cast<std::size_t>(i)], b = p[static_cast<std::size_t>(i + 1)];
    if (straight) {
      CurveSegment(c, a.x, a.y, b.x, b.y, scale);
      continue;
    }
    const bool same_side = (a.y <= 0.0f && b.y <= 0.0f) || (a.y >= 0.0f && b.y >= 0.0f);
    if (same_side) {
      SelectPen(c, SignPen(a.y, b.y));
      CurveSegment(c, a.x, a.y, b.x, b.y, scale);
      continue;
    }
    const double dx = static_cast<double>(b.x) - a.x;
    const double x0 = std::fabs(dx) > c.viewer.params.tolerance()
                          ? a.x - static_cast<double>(a.y) * dx / (static_cast<double>(b.y) - a.y)
                          : a.x;
    SelectPen(c, SignPen(a.y, a.y));
    CurveSegment(c, a.x, a.y, x0, 0.0, scale);
    SelectPen(c, SignPen(b.y, b.y));
    CurveSegment(c, x0, 0.0, b.x, b.y, scale);
  }
  if (ordinates) {
    int sign = c.viewer.params.vertical_sign();
    if (sign == 0) sign = -1;
    for (int i = 1; i <= n; ++i) {
      const WorldPoint a = p[static_cast<std::size_t>(i)];
      SelectPen(c, a.y * sign < 0.0f ? -1 : 0);
      Segment(c, a.x, 0.0, a.x, a.y, scale);
    }
  }
  SelectPen(c, 0);
  return n;
}

void DrawDiagramBar(Canvas& c, double value1, double value2) {
  const WorldPoint p1 = c.picture.curve_points[1], p2 = c.picture.curve_points[2];
  const WorldPoint b1 = c.picture.base_points[1], b2 = c.picture.base_points[2];
  const double scale = c.scale();
  SelectPen(c, kDiagramCurvePen);
  Segment(c, p1.x, p1.y, p2.x, p2.y, scale);
  SelectPen(c, value1 + value2 < 0.0 ? -1 : 0);
  Segment(c, b1.x, b1.y, p1.x, p1.y, scale);
  Segment(c, b2.x, b2.y, p2.x, p2.y, scale);
  SelectPen(c, 0);
  NoteBorder(c, plat::Point{ToLogical(p1.x * scale), ToLogical(p1.y * scale)});
}

void DrawFilledPolygon(Canvas& c) {
  constexpr int kCorners = 8;
  PictureState& pic = c.picture;
  const double scale = c.scale();
  for (int i = 1; i <= kCorners; ++i) {
    const WorldPoint p = pic.curve_points[static_cast<std::size_t>(i)];
    pic.device_points[static_cast<std::size_t>(i)] = plat::Point{ToLogical(p.x * scale), ToLogical(p.y * scale)};
  }
  const plat::Brush brush = c.dc.SelectBrush(plat::Brush::Solid(plat::Rgb(230, 230, 230)));
  const plat::Pen pen = c.dc.SelectPen(plat::Pen{plat::PS_NULL, 0, 0});
  const int mode = c.dc.SetPolyFillMode(plat::ALTERNATE);
  c.dc.Polygon(std::span<const plat::Point>(pic.device_points.data() + 1, kCorners));
  c.dc.SetPolyFillMode(mode);
  c.dc.SelectPen(pen);
  int sign = 0;
  for (int i = 1; i <= kCorners; ++i) {
    const int16_t word = pic.sign_words[static_cast<std::size_t>(i)];
    if (word != 0) sign = word;
    const WorldPoint a = pic.curve_points[static_cast<std::size_t>(i)];
    const WorldPoint b = pic.curve_points[static_cast<std::size_t>(i % kCorners + 1)];
    SelectPen(c, sign < 0 ? -1 : 0);
    Segment(c, a.x, a.y, b.x, b.y, scale);
  }
  SelectPen(c, 0);
  c.dc.SelectBrush(brush);
}

void DrawPolygonOutline(Canvas& c, int count, int mode) {
  PictureState& pic = c.picture;
  count = CurveCount(c, count);
  const double scale = c.scale();
  const plat::Brush brush = c.dc.SelectBrush(plat::Brush::Solid(plat::Rgb(230, 230, 230)));
  if (mode == 2) SelectPen(c, -5);
  for (int i = 1; i <= count; ++i) {
    const WorldPoint p = pic.curve_points[static_cast<std::size_t>(i)];
    pic.device_points[static_cast<std::size_t>(i)] = plat::Point{ToLogical(p.x * scale), ToLogical(p.y * scale)};
    if (i > 1) {
      const WorldPoint q = pic.curve_points[static_cast<std::size_t>(i - 1)];
      Segment(c, q.x, q.y, p.x, p.y, scale);
    }
  }
  if (mode == 1 && count >= 3) {
    const int fill = c.dc.SetPolyFillMode(plat::ALTERNATE);
    c.dc.Polygon(std::span<const plat::Point>(pic.device_points.data() + 1, static_cast<std::size_t>(count)));
    c.dc.SetPolyFillMode(fill);
  }
  if (mode == 2) SelectPen(c, 0);
  c.dc.SelectBrush(brush);
}

void DrawArrow(Canvas& c, double x1, double z1, double x2, double z2) {
  SelectPen(c, -6);
  DrawWorldLine(c, x1, z1, x2, z2);
  const double dx = x2 - x1, dz = z2 - z1;
  const double l = std::max(0.01, std::sqrt(dx * dx + dz * dz));
  const double ux = dx / l, uz = dz / l;
  for (double side : {1.0, -1.0}) {
    const double hx = x2 - 0.25 * l * ux - side * 0.05 * l * uz;
    const double hz = z2 - 0.25 * l * uz + side * 0.05 * l * ux;
    Segment(c, x2, z2, hx, hz, c.scale());
  }
  SelectPen(c, 0);
}

void DrawNodeMark(Canvas& c, int kind, double x, double z) {
  const int r = 3 * c.picture.pixel_step();
  plat::ColorRef fill = plat::Rgb(255, 255, 255);
  if (kind == 4) {
    SelectPen(c, -1);
    fill = plat::Rgb(255, 0, 0);
  } else if (kind == 2) {
    SelectPen(c, 0);
    fill = plat::Rgb(0, 180, 0);
  }
  const plat::Brush brush = c.dc.SelectBrush(plat::Brush::Solid(fill));
  DrawCircle(c, x, z, r);
  c.dc.SelectBrush(brush);
  SelectPen(c, 0);
}

}  // namespace revuzavi
