#include "geometry/editor/world_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/rotated_font.h"

namespace kelmf {
namespace {

constexpr double kMaxLogical = 1.0e9;

int Logical(double metres, int drawing_scale) {
  return static_cast<int>(std::clamp(metres * drawing_scale, -kMaxLogical, kMaxLogical));
}

bool Intersect(const plat::Rect& a, const plat::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void SelectPenByLineType(plat::Dc& dc, PenSet& pens, int type) {
  switch (type) {
    case -3: dc.SelectPen(pens.green); return;
    case 0: dc.SelectPen(pens.red); return;
    case 1:
      pens.extra = plat::Pen{plat::PS_SOLID, 1, plat::Rgb(0, 0, 0)};
      dc.SelectPen(pens.extra);
      return;
    case 2: dc.SelectPen(pens.dashed); return;
    case 3: dc.SelectPen(pens.dotted); return;
    case 4: dc.SelectPen(pens.dash_dot); return;
    case 5: dc.SelectPen(pens.light_grey); return;
    case 6: dc.SelectPen(pens.dash_dot_dot); return;
    default: dc.SelectPen(pens.extra); return;
  }
}

plat::Point ToLogical(int drawing_scale, double x, double z) {
  return plat::Point{Logical(x, drawing_scale), Logical(z, drawing_scale)};
}

void DrawWorldCircle(WorldCanvas& canvas, double x, double z, int radius) {
  const plat::Point c = ToLogical(canvas.drawing_scale, x, z);
  canvas.dc.Ellipse(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
}

void DrawWorldLine(WorldCanvas& canvas, double xa, double za, double xb, double zb) {
  const plat::Point a = ToLogical(canvas.drawing_scale, xa, za);
  const plat::Point b = ToLogical(canvas.drawing_scale, xb, zb);
  canvas.dc.MoveTo(a.x, a.y);
  canvas.dc.LineTo(b.x, b.y);
  if (!canvas.view.end_circles) return;
  const int r = canvas.view.marker_half_size + 2;
  const plat::Brush previous = canvas.dc.SelectBrush(plat::Brush::Null());
  canvas.dc.Ellipse(a.x - r, a.y - r, a.x + r, a.y + r);
  canvas.dc.Ellipse(b.x - r, b.y - r, b.x + r, b.y + r);
  canvas.dc.SelectBrush(previous);
}

void DrawWorldText(WorldCanvas& canvas, std::string_view text, double x, double z, double angle) {
  plat::Dc& dc = canvas.dc;
  if (canvas.view.label_overlap) {
    while (angle > std::numbers::pi / 2) angle -= std::numbers::pi;
    while (angle < -std::numbers::pi / 2) angle += std::numbers::pi;
  }
  const int tenths = static_cast<int>(std::lround(angle * 1800.0 / std::numbers::pi));
  const plat::Font previous = dc.SelectFont(common::CreateRotatedFont(dc, canvas.font_size, tenths));
  // The label's box on the device, turned with the text about its centre.
  const plat::Point at = ToLogical(canvas.drawing_scale, x, z);
  const plat::Point centre = dc.LPtoDP(at);
  const plat::Size extent = dc.GetTextExtent(text);
  const plat::PointD e = dc.LogicalToDevice(plat::PointD{double(extent.cx), double(extent.cy)});
  const plat::PointD o = dc.LogicalToDevice(plat::PointD{0.0, 0.0});
  const double w = std::fabs(e.x - o.x);
  const double h = std::fabs(e.y - o.y);
  const double c = std::fabs(std::cos(angle));
  const double s = std::fabs(std::sin(angle));
  const int half_w = static_cast<int>(std::ceil((w * c + h * s) / 2.0));
  const int half_h = static_cast<int>(std::ceil((w * s + h * c) / 2.0));
  const plat::Rect box{centre.x - half_w, centre.y - half_h, centre.x + half_w, centre.y + half_h};
  std::vector<plat::Rect>& drawn = canvas.view.label_rects;
  const bool hidden = canvas.view.label_overlap &&
                      std::any_of(drawn.begin(), drawn.end(), [&box](const plat::Rect& r) { return Intersect(r, box); });
  if (!hidden) {
    drawn.push_back(box);
    const unsigned align = dc.SetTextAlign(plat::TA_CENTER | plat::TA_BASELINE);
    const int mode = dc.SetBkMode(plat::TRANSPARENT);
    // The baseline lies a third of the height below the centre, across the text's direction.
    const double drop = h / 3.0;
    const plat::Point origin = dc.DPtoLP(plat::Point{centre.x + static_cast<int>(std::lround(drop * std::sin(angle))),
                                                     centre.y + static_cast<int>(std::lround(drop * std::cos(angle)))});
    dc.TextOut(origin.x, origin.y, text);
    dc.SetBkMode(mode);
    dc.SetTextAlign(align);
  }
  dc.SelectFont(previous);
}

void DrawPositionLine(plat::Dc& dc, std::string_view position_name, std::string_view title, int font_size) {
  dc.SetMapMode(plat::MM_TEXT);
  dc.SetWindowOrg(0, 0);
  dc.SetViewportOrg(0, 0);
  const int horz = dc.GetDeviceCaps(plat::HORZRES);
  const int vert = dc.GetDeviceCaps(plat::VERTRES);
  const double sx = horz / 3383.0;
  const double sy = vert / 2363.0;
  const int shift = horz > vert ? static_cast<int>(100.0 * sx) : 0;
  const int left = static_cast<int>(2.0 * sx + 0.5) + shift;
  const int top = static_cast<int>(2.0 * sy + 0.5);
  const int right = horz - static_cast<int>(2.0 * sx + 0.5);
  const int bottom = vert - static_cast<int>(2.0 * sy + 0.5);
  const plat::Brush brush = dc.SelectBrush(plat::Brush::Null());
  dc.Rectangle(left, top, right, bottom);
  dc.SelectBrush(brush);
  const int head = top + static_cast<int>(150.0 * sy);
  dc.MoveTo(left, head);
  dc.LineTo(right, head);

  const std::string text = "Pos. " + std::string(position_name) + "  " + std::string(title);
  const plat::Font font = dc.SelectFont(common::CreateRotatedFont(dc, font_size, 0));
  const int average = dc.GetTextMetrics().ave_char_width;
  const int length = static_cast<int>(text.size());
  const int x = static_cast<int>(1650.0 * sx) - length * average / 2;
  const unsigned align = dc.SetTextAlign(plat::TA_LEFT | plat::TA_TOP);
  const int mode = dc.SetBkMode(plat::TRANSPARENT);
  dc.TextOut(x, static_cast<int>(50.0 * sy + 0.5), text);
  dc.SetBkMode(mode);
  dc.SetTextAlign(align);
  dc.SelectFont(font);
}

}  // namespace kelmf
