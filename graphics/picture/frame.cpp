#include "graphics/picture/frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "graphics/picture/element_values.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

constexpr double kPi = std::numbers::pi;
const plat::ColorRef kLightGrey = plat::Rgb(200, 200, 200);

double SpanX(const ViewerState& v) { return static_cast<double>(v.extents.xmax()) - v.extents.xmin(); }
double SpanZ(const ViewerState& v) { return static_cast<double>(v.extents.zmax()) - v.extents.zmin(); }

struct Anchor {
  double x = 0.0, z = 0.0, angle = 0.0;
};

// The middle of the line moved off it by fractions of the spans: down for a
// horizontal line, right for a vertical one, across for any other (there the
// fractions times `across`).
Anchor LabelAnchor(double x1, double z1, double x2, double z2, double span_x, double span_z, double fx, double fz,
                   double across) {
  const double dx = x2 - x1, dz = z2 - z1;
  const double l = std::max(0.1, std::sqrt(dx * dx + dz * dz));
  Anchor a{0.5 * (x1 + x2), 0.5 * (z1 + z2), LabelAngle(dx, dz, l)};
  if (std::fabs(dz) / l < 0.01) {
    a.z -= fz * span_z;
  } else if (std::fabs(dx) / l < 0.01) {
    a.x += fx * span_x;
  } else {
    a.x += dz / l * across * fx * span_x;
    a.z -= dx / l * across * fz * span_z;
  }
  return a;
}

void FilledCircle(Canvas& c, double x, double z, int r, plat::ColorRef fill) {
  const plat::Brush brush = c.dc.SelectBrush(plat::Brush::Solid(fill));
  DrawCircle(c, x, z, r);
  c.dc.SelectBrush(brush);
}

// A polygon of world points, filled with the brush selected.
void WorldPolygon(Canvas& c, std::initializer_list<std::array<double, 2>> points) {
  std::vector<plat::Point> logical;
  for (const auto& p : points) logical.push_back(plat::Point{c.Logical(p[0]), c.Logical(p[1])});
  c.dc.Polygon(logical);
}

void Line(Canvas& c, double x1, double z1, double x2, double z2) {
  c.dc.MoveTo(c.Logical(x1), c.Logical(z1));
  c.dc.LineTo(c.Logical(x2), c.Logical(z2));
}

// The direction from the node along element `e` (unit vector), (0, 1) when
// the element has no length or does not exist.
std::array<double, 2> AwayFromNode(const ViewerState& v, int node, int e) {
  if (e < 1 || e > v.elements.count()) return {0.0, 1.0};
  const common::ElementRecord& el = v.elements[e];
  double dx = static_cast<double>(el.xb()) - el.xa(), dz = static_cast<double>(el.zb()) - el.za();
  if (el.node_b() == node) dx = -dx, dz = -dz;
  const double l = std::sqrt(dx * dx + dz * dz);
  if (l < 1e-6) return {0.0, 1.0};
  return {dx / l, dz / l};
}

// A clamped support: a grey square on the side away from the element, a line
// across the node.
void DrawClamped(Canvas& c, const common::NodeRecord& node, int n, double u) {
  const int e = node.first_element() != 0 ? node.first_element() : node.second_element();
  const std::array<double, 2> d = AwayFromNode(c.viewer, n, e);
  const double x = node.x(), z = node.z();
  const double nx = -d[1], nz = d[0];  // across the element
  const double s = 1.0 * u;
  const plat::Brush brush = c.dc.SelectBrush(plat::Brush::Solid(kLightGrey));
  WorldPolygon(c, {{x + nx * s, z + nz * s},
                   {x - nx * s, z - nz * s},
                   {x - nx * s - d[0] * 2 * s, z - nz * s - d[1] * 2 * s},
                   {x + nx * s - d[0] * 2 * s, z + nz * s - d[1] * 2 * s}});
  c.dc.SelectBrush(brush);
  Line(c, x + nx * 1.5 * s, z + nz * 1.5 * s, x - nx * 1.5 * s, z - nz * 1.5 * s);
}

// A hinged support: two sloping lines from the node to a base line; a roller
// has a second base line below. `down` points from the node to the base.
void DrawHinged(Canvas& c, double x, double z, std::array<double, 2> down, double u, bool roller) {
  const double h = 2.0 * u;
  const double ax = -down[1], az = down[0];  // along the base
  const double bx = x + down[0] * h, bz = z + down[1] * h;
  Line(c, x, z, bx + ax * u, bz + az * u);
  Line(c, x, z, bx - ax * u, bz - az * u);
  Line(c, bx - ax * 1.5 * u, bz - az * 1.5 * u, bx + ax * 1.5 * u, bz + az * 1.5 * u);
  if (roller) {
    const double rx = bx + down[0] * 1.2 * u, rz = bz + down[1] * 1.2 * u;
    Line(c, rx - ax * 1.5 * u, rz - az * 1.5 * u, rx + ax * 1.5 * u, rz + az * 1.5 * u);
  }
}

// A spring: a zigzag from the node along `down`.
void DrawSpring(Canvas& c, double x, double z, std::array<double, 2> down, double u) {
  const double ax = -down[1], az = down[0];
  double px = x, pz = z;
  for (int k = 1; k <= 6; ++k) {
    const double side = k == 6 ? 0.0 : (k % 2 == 1 ? 0.6 : -0.6);
    const double qx = x + down[0] * k * 0.5 * u + ax * side * u, qz = z + down[1] * k * 0.5 * u + az * side * u;
    Line(c, px, pz, qx, qz);
    px = qx, pz = qz;
  }
}

void DrawSupports(Canvas& c, const common::NodeRecord& node, int n) {
  const double u = FrameUnit(c.viewer);
  const bool x_held = SupportHeld(node, 1), z_held = SupportHeld(node, 2);
  const bool rotation_held = SupportHeld(node, 3);
  const double x = node.x(), z = node.z();
  if (rotation_held) {
    DrawClamped(c, node, n, u);
  } else if (z_held) {
    DrawHinged(c, x, z, {0.0, -1.0}, u, !x_held);
  } else if (x_held) {
    DrawHinged(c, x, z, {-1.0, 0.0}, u, false);
  }
  if (std::fabs(node.support(1)) > 1.0f) DrawSpring(c, x, z, {-1.0, 0.0}, u);
  if (std::fabs(node.support(2)) > 1.0f) DrawSpring(c, x, z, {0.0, -1.0}, u);
}

int ElementPen(const common::ElementRecord& element) {
  if (element.compression_flag() == 0) return -1;
  if (element.tension_flag() == 0) return 4;
  return 0;
}

void DrawElements(Canvas& c, const FrameOptions& options, const plat::Pen& frame_pen) {
  const ViewerState& v = c.viewer;
  const int dot = c.picture.pixel_step() + 3;
  for (int e = 1; e <= v.elements.count(); ++e) {
    const common::ElementRecord& element = v.elements[e];
    if (element.switched_off_flag() != 0 && c.view.reanalysis_view && !c.view.show_switched_off) continue;
    const bool marked = c.view.ElementPicked(e) || c.view.green.element == e;
    if (marked) {
      SelectPen(c, -7);
    } else if (options.details && (element.compression_flag() == 0 || element.tension_flag() == 0)) {
      plat::Pen pen = TablePen(v, ElementPen(element));
      if (element.compression_flag() == 0 && element.tension_flag() == 0) pen.style = plat::PS_DASHDOT;
      c.dc.SelectPen(pen);
    } else {
      c.dc.SelectPen(frame_pen);
    }
    DrawLine(c, element.xa(), element.za(), element.xb(), element.zb());
    const plat::Pen pen = c.dc.SelectPen(frame_pen);
    FilledCircle(c, element.xa(), element.za(), dot, plat::Rgb(255, 255, 255));
    FilledCircle(c, element.xb(), element.zb(), dot, plat::Rgb(255, 255, 255));
    c.dc.SelectPen(pen);
    if (marked) SelectPen(c, 0);
    if (options.energies) {
      const double energy = options.recompute ? ElementValuesAlong(v, e).energy
                                              : (static_cast<std::size_t>(e) < v.energies.size()
                                                     ? v.energies[static_cast<std::size_t>(e)]
                                                     : 0.0f);
      DrawElementValue(c, element.xa(), element.za(), element.xb(), element.zb(), energy);
    } else if (options.labels) {
      DrawElementLabel(c, e, element.xa(), element.za(), element.xb(), element.zb(), 0.85, element.length());
    }
  }
}

void DrawNodes(Canvas& c) {
  const ViewerState& v = c.viewer;
  const int r = c.picture.pixel_step();
  for (int n = 1; n <= v.nodes.count(); ++n) {
    const common::NodeRecord& node = v.nodes[n];
    if (!c.view.NodePicked(n)) {
      FilledCircle(c, node.x(), node.z(), r, plat::Rgb(0, 0, 0));
    } else if (c.view.reanalysis_view) {
      DrawCircle(c, node.x(), node.z(), 3 * r);
    } else {
      DrawNodeMark(c, 4, node.x(), node.z());
    }
    DrawSupports(c, node, n);
  }
}

std::string LabelText(int e, const common::ElementRecord& element, double length) {
  char text[96];
  if (length < 0.01) {
    std::snprintf(text, sizeof text, "%i", e);
    return text;
  }
  const bool compression = element.compression_flag() != 0, tension = element.tension_flag() != 0;
  const char* tail = compression && tension ? "" : compression ? ", T = 0" : tension ? ", C = 0" : ", C = 0, T = 0";
  std::snprintf(text, sizeof text, "%i  l = %.2f m%s", e, length, tail);
  return text;
}

// The element sits this far off the node when the node joins hinged and rigid ends.
void HingeCircle(Canvas& c, const common::ElementRecord& element, bool at_start, double d) {
  const ViewerState& v = c.viewer;
  const int node_number = at_start ? element.node_a() : element.node_b();
  double x = at_start ? element.xa() : element.xb(), z = at_start ? element.za() : element.zb();
  if (node_number >= 1 && node_number <= v.nodes.count() && v.nodes[node_number].mixed_hinges() == 1) {
    const double dx = static_cast<double>(element.xb()) - element.xa();
    const double dz = static_cast<double>(element.zb()) - element.za();
    double l = std::sqrt(dx * dx + dz * dz);
    if (l < 0.001) l = 1.0;
    const double sense = at_start ? 1.0 : -1.0;
    x += sense * d * dx / l;
    z += sense * d * dz / l;
  }
  FilledCircle(c, x, z, 3 * c.picture.pixel_step(), plat::Rgb(255, 255, 255));
}

}  // namespace

double LabelAngle(double dx, double dz, double l) {
  if (std::fabs(dz) / l < 0.01) return 0.0;
  if (std::fabs(dx) / l < 0.01) return kPi / 2;
  return std::atan2(-dz, dx);
}

double FrameUnit(const ViewerState& viewer) { return 0.01 * std::max(SpanX(viewer), SpanZ(viewer)); }

bool SupportHeld(const common::NodeRecord& node, int d) {
  return node.support_flag(d) != 0 || std::fabs(node.support(d)) > 0.0f;
}

int DrawFrame(Canvas& c, const FrameOptions& options) {
  const plat::ColorRef colour = options.grey ? plat::Rgb(190, 190, 190) : plat::Rgb(0, 0, 0);
  const plat::Pen frame_pen{plat::PS_SOLID, c.viewer.line_width < 1 ? 0 : c.viewer.line_width, colour};
  const plat::Pen previous = c.dc.SelectPen(frame_pen);
  DrawElements(c, options, frame_pen);
  c.dc.SelectPen(frame_pen);
  DrawNodes(c);
  c.dc.SelectPen(previous);
  int drawn = 0;
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (!(c.viewer.elements[e].switched_off_flag() != 0 && c.view.reanalysis_view && !c.view.show_switched_off)) {
      ++drawn;
    }
  }
  return drawn;
}

void DrawHinges(Canvas& c) {
  const ViewerState& v = c.viewer;
  for (int e = 1; e <= v.elements.count(); ++e) {
    const common::ElementRecord& element = v.elements[e];
    const double dx = static_cast<double>(element.xb()) - element.xa();
    const double dz = static_cast<double>(element.zb()) - element.za();
    double l = std::sqrt(dx * dx + dz * dz);
    if (l < 0.001) l = 1.0;
    if (std::fabs(dx) / l < 0.05 || std::fabs(dz) / l < 0.05) c.picture.hinge_offset = 0.05f;
    if (element.hinge_a() != 0) HingeCircle(c, element, true, c.picture.hinge_offset);
    if (element.hinge_b() != 0) HingeCircle(c, element, false, c.picture.hinge_offset);
  }
}

void DrawRigidJoints(Canvas& c) {
  const ViewerState& v = c.viewer;
  constexpr double kJointLine = 0.2;
  for (int n = 1; n <= v.nodes.count(); ++n) {
    const common::NodeRecord& node = v.nodes[n];
    if (node.mixed_hinges() != 1) continue;
    const int count = std::clamp<int>(node.end_count(), 0, common::NodeRecord::kMaxElements);
    for (int k = 1; k <= count; ++k) {
      const int e = node.element(k);
      if (e < 1 || e > v.elements.count()) continue;
      const common::ElementRecord& element = v.elements[e];
      const bool hinged = (element.node_a() == n && element.hinge_a() != 0) ||
                          (element.node_b() == n && element.hinge_b() != 0);
      if (hinged) continue;
      const std::array<double, 2> d = AwayFromNode(v, n, e);
      Line(c, node.x(), node.z(), node.x() + kJointLine * d[0], node.z() + kJointLine * d[1]);
    }
  }
}

void DrawDimensions(Canvas& c, int font_height) {
  const ViewerState& v = c.viewer;
  const double u = FrameUnit(v);
  const int r = c.picture.pixel_step() * 2;
  DrawCircle(c, 0.0, 0.0, r);
  Line(c, 0.0, 0.0, 5 * u, 0.0);
  Line(c, 0.0, 0.0, 0.0, 5 * u);
  plat::Dc& dc = c.dc;
  const plat::Font previous = dc.SelectFont(MakeRotatedFont(dc, "ARIAL", font_height, 0, 0, 0, true));
  const unsigned align = dc.SetTextAlign(plat::TA_CENTER | plat::TA_TOP);
  const int mode = dc.SetBkMode(plat::TRANSPARENT);
  char text[64];
  const double width = SpanX(v), height = SpanZ(v);
  if (width > 0.1) {
    std::snprintf(text, sizeof text, "%.2lf", width);
    dc.TextOut(c.Logical(0.5 * (v.extents.xmin() + v.extents.xmax())), c.Logical(v.extents.zmin() - 6 * u), text);
  }
  if (height > 0.1) {
    std::snprintf(text, sizeof text, "%.2lf", height);
    dc.SetTextAlign(plat::TA_LEFT | plat::TA_BASELINE);
    dc.TextOut(c.Logical(v.extents.xmax() + 6 * u), c.Logical(0.5 * (v.extents.zmin() + v.extents.zmax())), text);
  }
  dc.SetBkMode(mode);
  dc.SetTextAlign(align);
  dc.SelectFont(previous);
}

void DrawElementLabel(Canvas& c, int e, double x1, double z1, double x2, double z2, double height_factor,
                      double length) {
  if (c.viewer.text_scale == 0.0f && !c.view.force_texts) return;
  const Anchor anchor = LabelAnchor(x1, z1, x2, z2, SpanX(c.viewer), SpanZ(c.viewer), 0.02, 0.02, 0.5);
  DrawValueText(c, anchor.x, anchor.z, LabelText(e, c.viewer.elements[e], length), kBlueText, height_factor,
                anchor.angle);
}

void DrawElementValue(Canvas& c, double x1, double z1, double x2, double z2, double value) {
  const double span_x = std::max(1.0, SpanX(c.viewer)), span_z = std::max(1.0, SpanZ(c.viewer));
  const Anchor anchor =
      LabelAnchor(x1, z1, x2, z2, span_x, span_z, span_x > 2 ? 0.02 : 0.06, span_z > 2 ? 0.02 : 0.06, 1.0);
  char text[64];
  std::snprintf(text, sizeof text, "%5.1E", std::isfinite(value) ? value : 0.0);
  DrawValueText(c, anchor.x, anchor.z, text, 1, 1.0, anchor.angle);
}

void DrawPrestressLabel(Canvas& c, const common::ElementRecord& element, double force) {
  const double x1 = element.xa(), z1 = element.za(), x2 = element.xb(), z2 = element.zb();
  const double dx = x2 - x1, dz = z2 - z1;
  const double l = std::max(0.1, std::sqrt(dx * dx + dz * dz));
  // A text line beyond the element's own label on the same side: the spans of a
  // flat frame would put both on the axis, one over the other.
  const Anchor label = LabelAnchor(x1, z1, x2, z2, SpanX(c.viewer), SpanZ(c.viewer), 0.02, 0.02, 0.5);
  const double line = 1.2 * LabelLineHeight(c);
  double out_x = dz / l, out_z = -dx / l;  // across, the side the label anchor takes
  if (std::fabs(dz) / l < 0.01) {
    out_x = 0.0, out_z = -1.0;
  } else if (std::fabs(dx) / l < 0.01) {
    out_x = 1.0, out_z = 0.0;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%6.3E kN", std::isfinite(force) ? force : 0.0);
  DrawValueText(c, label.x + out_x * line, label.z + out_z * line, text, kRedText, 1.0, label.angle);
}

}  // namespace revuzavi
