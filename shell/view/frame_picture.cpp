#include "shell/view/frame_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "common/pixel_size.h"
#include "common/rotated_font.h"
#include "common/world_mapping.h"

namespace quentaris {
namespace {

constexpr double kMaxLogical = 1.0e9;  // GDI keeps coordinates in 32-bit integers
constexpr int kLabelSize = 68;
const plat::ColorRef kBlack = plat::Rgb(0, 0, 0);

int Logical(double value) {
  return std::isfinite(value) ? static_cast<int>(std::clamp(value, -kMaxLogical, kMaxLogical)) : 0;
}

struct Painter {
  plat::Dc& dc;
  const FrameData& frame;
  double u;       // logical units per metre
  double pixel;   // one device pixel in logical units
  double symbol;  // the symbol size: 3 pixels at least
  double bar;     // 1 % of the larger extent, logical units

  plat::Point At(double x, double z) const { return {Logical(x * u), Logical(z * u)}; }
  void Line(double xa, double za, double xb, double zb) {
    const plat::Point a = At(xa, za);
    const plat::Point b = At(xb, zb);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
  }
  // A line in logical units.
  void LineL(double xa, double ya, double xb, double yb) {
    dc.MoveTo(Logical(xa), Logical(ya));
    dc.LineTo(Logical(xb), Logical(yb));
  }
  void Circle(double x, double z, double radius) {
    const plat::Point c = At(x, z);
    const int r = std::max(1, Logical(radius));
    dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
  }
};

// An element's end k (1 start, 2 end) and the node there, 0 when out of range.
int EndNode(const common::ElementRecord& e, int end, int node_count) {
  const int node = end == 1 ? e.node_a() : e.node_b();
  return node >= 1 && node <= node_count ? node : 0;
}

struct Direction {
  double dx = 1, dz = 0, length = 1;  // unit vector and the element's length (at least 0.1)
};
Direction DirectionOf(const common::ElementRecord& e) {
  const double dx = static_cast<double>(e.xb()) - e.xa();
  const double dz = static_cast<double>(e.zb()) - e.za();
  const double length = std::max(std::hypot(dx, dz), 0.1);
  if (!std::isfinite(length)) return {};
  return {dx / length, dz / length, length};
}

// The label's turn in tenths of a degree, counter-clockwise on the device.
int LabelEscapement(const Direction& d) {
  const double vertical = std::fabs(d.dz);
  const double horizontal = std::fabs(d.dx);
  if (vertical < 0.01) return 0;
  if (horizontal < 0.01) return -900;
  const int tenths = static_cast<int>(std::lround(std::atan2(vertical, horizontal) * 1800.0 / std::numbers::pi));
  // A rising element carries its number rising with it.
  return d.dx * d.dz > 0 ? tenths : -tenths;
}

void DrawElements(Painter& p, int pen_width) {
  p.dc.SelectPen(plat::Pen{plat::PS_SOLID, pen_width < 1 ? 0 : pen_width, kBlack});
  for (int k = 1; k <= p.frame.elements.count(); ++k) {
    const common::ElementRecord& e = p.frame.elements[k];
    p.Line(e.xa(), e.za(), e.xb(), e.zb());
  }
  p.dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, kBlack});
  const int old_mode = p.dc.SetBkMode(plat::TRANSPARENT);
  // The number stands on its baseline, a pixel off the line.
  const unsigned old_align = p.dc.SetTextAlign(plat::TA_LEFT | plat::TA_BOTTOM);
  for (int k = 1; k <= p.frame.elements.count(); ++k) {
    const common::ElementRecord& e = p.frame.elements[k];
    const Direction d = DirectionOf(e);
    const int escapement = LabelEscapement(d);
    p.dc.SelectFont(common::CreateRotatedFont(p.dc, kLabelSize, escapement));
    const std::string text = std::to_string(k);
    const double half = p.dc.GetTextExtent(text).cx / 2.0;
    // The baseline runs along the escapement; logical y points up as the device's turn does.
    const double turn = escapement * std::numbers::pi / 1800.0;
    const plat::Point mid = p.At((e.xa() + e.xb()) / 2.0, (e.za() + e.zb()) / 2.0);
    const double lift = 2.0 * p.pixel;
    p.dc.TextOut(Logical(mid.x - half * std::cos(turn) - lift * std::sin(turn)),
                 Logical(mid.y - half * std::sin(turn) + lift * std::cos(turn)), text);
  }
  p.dc.SetTextAlign(old_align);
  p.dc.SetBkMode(old_mode);
}

// The direction into the first element found at the node, else along x.
Direction DirectionAtNode(const FrameData& frame, int node) {
  for (int k = 1; k <= frame.elements.count(); ++k) {
    const common::ElementRecord& e = frame.elements[k];
    const int count = frame.nodes.count();
    if (EndNode(e, 1, count) == node) return DirectionOf(e);
    if (EndNode(e, 2, count) == node) {
      Direction d = DirectionOf(e);
      d.dx = -d.dx;
      d.dz = -d.dz;
      return d;
    }
  }
  return {};
}

bool HasSupport(const common::NodeRecord& n) {
  for (int d = 1; d <= 3; ++d) {
    if (n.support_flag(d) != 0 || n.support(d) > 0.0f) return true;
  }
  return false;
}

// The way from the node into its support symbol's side: along a steep element
// (behind the node), across a flat one (below it).
Direction SymbolAxis(const Direction& into_element) {
  if (std::fabs(into_element.dz) >= std::fabs(into_element.dx)) return into_element;
  Direction across{-into_element.dz, into_element.dx, 1.0};
  if (across.dz < 0.0) across = Direction{-across.dx, -across.dz, 1.0};
  return across;
}

// A bar across the symbol's axis at the node and, beyond it, a triangle (a
// hinged support) or strokes (a clamped one).
void DrawSupports(Painter& p) {
  for (int k = 1; k <= p.frame.nodes.count(); ++k) {
    const common::NodeRecord& n = p.frame.nodes[k];
    if (!HasSupport(n)) continue;
    const Direction d = SymbolAxis(DirectionAtNode(p.frame, k));
    const plat::Point c = p.At(n.x(), n.z());
    const double f = p.bar;
    const double tx = d.dx * f, tz = d.dz * f;  // towards the structure
    const double nx = -tz, nz = tx;             // across
    if (n.support(3) > 0.0f) {
      p.LineL(c.x - nx, c.y - nz, c.x + nx, c.y + nz);
      for (int s = -2; s <= 2; ++s) {
        const double bx = c.x + nx * s / 2.0, bz = c.y + nz * s / 2.0;
        p.LineL(bx, bz, bx - tx / 2.0 - nx / 4.0, bz - tz / 2.0 - nz / 4.0);
      }
    } else {
      const plat::Point triangle[] = {{c.x, c.y},
                                      {Logical(c.x - tx + nx), Logical(c.y - tz + nz)},
                                      {Logical(c.x - tx - nx), Logical(c.y - tz - nz)}};
      p.dc.Polygon(triangle);
      p.LineL(c.x - tx - 1.5 * nx, c.y - tz - 1.5 * nz, c.x - tx + 1.5 * nx, c.y - tz + 1.5 * nz);
    }
  }
}

// Within 0.05 of an axis.
bool NearlyAlongAxis(const Direction& d) { return std::fabs(d.dx) < 0.05 || std::fabs(d.dz) < 0.05; }

void DrawHinges(Painter& p) {
  p.dc.SelectBrush(plat::Brush::Solid(kBlack));
  p.dc.SetPolyFillMode(plat::ALTERNATE);
  for (int k = 1; k <= p.frame.elements.count(); ++k) {
    const common::ElementRecord& e = p.frame.elements[k];
    for (int end = 1; end <= 2; ++end) {
      if ((end == 1 ? e.hinge_a() : e.hinge_b()) != 1) continue;
      const int node = EndNode(e, end, p.frame.nodes.count());
      if (node == 0) continue;
      const double x = end == 1 ? e.xa() : e.xb();
      const double z = end == 1 ? e.za() : e.zb();
      if (p.frame.nodes[node].mixed_hinges() == 1) {
        Direction d = DirectionOf(e);
        const double along = (NearlyAlongAxis(d) ? 0.05 : 0.1) * (end == 1 ? 1.0 : -1.0);
        p.Circle(x + d.dx * along, z + d.dz * along, 3.0 * p.symbol);
      } else {
        p.Circle(x, z, 2.0 * p.symbol);
      }
    }
  }
  p.dc.SelectBrush(plat::Brush::Null());
}

// At a joint of mixed ends, a stroke into each rigidly connected element.
void DrawRigidJoints(Painter& p) {
  const int element_count = p.frame.elements.count();
  for (int k = 1; k <= p.frame.nodes.count(); ++k) {
    const common::NodeRecord& n = p.frame.nodes[k];
    if (n.mixed_hinges() != 1) continue;
    const int listed = std::clamp<int>(n.end_count(), 0, common::NodeRecord::kMaxElements);
    for (int i = 1; i <= listed; ++i) {
      const int number = n.element(i);
      if (number < 1 || number > element_count) continue;
      const common::ElementRecord& e = p.frame.elements[number];
      const Direction d = DirectionOf(e);
      if (e.node_a() == k && e.hinge_a() == 0) p.Line(e.xa(), e.za(), e.xa() + 0.2 * d.dx, e.za() + 0.2 * d.dz);
      if (e.node_b() == k && e.hinge_b() == 0) p.Line(e.xb(), e.zb(), e.xb() - 0.2 * d.dx, e.zb() - 0.2 * d.dz);
    }
  }
}

void Arrow(Painter& p, double to_x, double to_y, double head_x, double head_y, double side_x, double side_y) {
  p.LineL(0, 0, to_x, to_y);
  p.LineL(to_x, to_y, head_x + side_x, head_y + side_y);
  p.LineL(to_x, to_y, head_x - side_x, head_y - side_y);
}

std::string Metres(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2lf", value);
  return text;
}

void DrawOriginAndDimensions(Painter& p, int text_size) {
  const double px = p.pixel;
  p.Circle(0.0, 0.0, 5.0 * px);
  Arrow(p, 55 * px, 0, 35 * px, 0, 0, 6 * px);
  Arrow(p, 0, 45 * px, 0, 25 * px, 6 * px, 0);

  p.dc.SelectFont(common::CreateRotatedFont(p.dc, text_size, 0));
  const int old_mode = p.dc.SetBkMode(plat::TRANSPARENT);
  const common::DrawingExtents& e = p.frame.extents;
  const double width = static_cast<double>(e.xmax()) - e.xmin();
  const double height = static_cast<double>(e.zmax()) - e.zmin();
  if (width > 0.1) {
    const unsigned old_align = p.dc.SetTextAlign(plat::TA_CENTER | plat::TA_TOP);
    p.dc.TextOut(Logical((e.xmin() + e.xmax()) / 2.0 * p.u), Logical(e.zmin() * p.u - 17 * px), Metres(width));
    p.dc.SetTextAlign(old_align);
  }
  if (height > 0.1) {
    // Turned to read upwards, so that it fits the margin beside the picture.
    p.dc.SelectFont(common::CreateRotatedFont(p.dc, text_size, 900));
    const unsigned old_align = p.dc.SetTextAlign(plat::TA_CENTER | plat::TA_TOP);
    p.dc.TextOut(Logical(e.xmax() * p.u + 17 * px), Logical((e.zmin() + e.zmax()) / 2.0 * p.u), Metres(height));
    p.dc.SetTextAlign(old_align);
  }
  p.dc.SetBkMode(old_mode);
}

}  // namespace

FrameWindow FrameWorldWindow(const common::DrawingExtents& extents, double picture_factor) {
  const double s = picture_factor > 0.0 && std::isfinite(picture_factor) ? 1.0 / picture_factor : 1.0;
  FrameWindow w;
  w.left = s * extents.xmin();
  w.right = std::max(s * extents.xmax(), 1.0);
  if (w.right - w.left < 0.1) w.right = w.left + 1.0;
  w.bottom = s * extents.zmin();
  w.top = std::max(s * extents.zmax(), 1.0);
  if (w.top - w.bottom < 0.1) w.top = w.bottom + 1.0;
  return w;
}

std::optional<plat::Mapping> DrawFramePicture(const FrameData& frame, const FramePictureOptions& options,
                                              plat::Dc& dc) {
  if (!frame.params_read || frame.damaged) return std::nullopt;
  const FrameWindow window = FrameWorldWindow(frame.extents, options.picture_factor);
  if (window.left == window.right || window.bottom == window.top) return std::nullopt;
  const double u = frame.units_per_metre;
  const int saved = dc.SaveDC();
  common::MapWorldWindow(dc, window.left * u, window.bottom * u, (window.right - window.left) * u,
                         (window.top - window.bottom) * u,
                         options.room);
  // A pixel of the screen: as large on a printed page, whose own pixels are much smaller.
  const double pixel = common::PixelsToLogical(dc.mapping(), std::max(dc.GetDeviceCaps(plat::LOGPIXELSX), 1) / 96.0);
  const common::DrawingExtents& e = frame.extents;
  const double larger = std::max(std::fabs(static_cast<double>(e.xmax()) - e.xmin()),
                                 std::fabs(static_cast<double>(e.zmax()) - e.zmin()));
  Painter p{dc, frame, u, pixel, std::max(3.0 * pixel, 1.0), std::max(0.01 * larger * u, 6.0 * pixel)};
  dc.SetTextColor(kBlack);
  dc.SelectBrush(plat::Brush::Null());
  DrawElements(p, options.pen_width);
  DrawSupports(p);
  DrawHinges(p);
  DrawRigidJoints(p);
  DrawOriginAndDimensions(p, options.text_size);
  const plat::Mapping mapping = dc.mapping();
  dc.RestoreDC(saved);
  return mapping;
}

}  // namespace quentaris
