// Elements with their numbers, nodes with their labels and support dots.
#include <cmath>
#include <cstdio>

#include "geometry/editor/drawing_parts.h"

namespace kelmf::drawing {

void FilledCircle(Picture& picture, double x, double z, int radius, const plat::Brush& fill) {
  const plat::Brush previous = picture.canvas.dc.SelectBrush(fill);
  DrawWorldCircle(picture.canvas, x, z, radius);
  picture.canvas.dc.SelectBrush(previous);
}

void Arrow(Picture& picture, double xa, double za, double xb, double zb) {
  WorldCanvas& c = picture.canvas;
  const bool circles = c.view.end_circles;
  c.view.end_circles = false;
  DrawWorldLine(c, xa, za, xb, zb);
  double dx = xb - xa;
  double dz = zb - za;
  double l = std::hypot(dx, dz);
  if (l < 0.01) {
    // Too short to give a direction of its own: the strokes point along x.
    if (l == 0.0) dx = 1.0, dz = 0.0, l = 1.0;
    dx = dx / l * 0.01;
    dz = dz / l * 0.01;
    l = 0.01;
  }
  const double bx = xb - dx / 4.0;
  const double bz = zb - dz / 4.0;
  const double sx = -dz * 0.05;
  const double sz = dx * 0.05;
  DrawWorldLine(c, xb, zb, bx + sx, bz + sz);
  DrawWorldLine(c, xb, zb, bx - sx, bz - sz);
  c.view.end_circles = circles;
}

void DrawElements(Picture& picture, const FrameModel& model) {
  WorldCanvas& c = picture.canvas;
  c.dc.SelectPen(plat::Pen{plat::PS_SOLID, std::max(model.editor.pen_width, 0), plat::Rgb(0, 0, 0)});
  const double offset = picture.label_gap;
  int k = 0;
  for (const common::ElementRecord& e : model.elements.used()) {
    ++k;
    DrawWorldLine(c, e.xa(), e.za(), e.xb(), e.zb());
    const double dx = double(e.xb()) - e.xa();
    const double dz = double(e.zb()) - e.za();
    const double l = std::hypot(dx, dz);
    // The number beside the middle, on the left of the element's direction.
    const double nx = l > 1e-6 ? -dz / l : 0.0;
    const double nz = l > 1e-6 ? dx / l : 1.0;
    char text[16];
    std::snprintf(text, sizeof text, "%i", k);
    DrawWorldText(c, text, (double(e.xa()) + e.xb()) / 2.0 + nx * offset, (double(e.za()) + e.zb()) / 2.0 + nz * offset,
                  0.0);
  }
}

void DrawNodes(Picture& picture, const FrameModel& model) {
  WorldCanvas& c = picture.canvas;
  const double offset = picture.label_gap;
  const int count = model.nodes.count();
  c.dc.SelectPen(picture.pens.thin);
  const int dot = std::max(1, static_cast<int>(0.03 * c.drawing_scale));
  for (int k = 1; k <= count; ++k) {
    const common::NodeRecord& n = model.nodes[k];
    const bool held = n.support_flag(1) != 0 || n.support_flag(2) != 0;
    char text[16];
    std::snprintf(text, sizeof text, "N %i", k);
    // A held node's label stands further off, clear of its support symbol.
    const double off = held ? 1.8 * offset : offset;
    DrawWorldText(c, text, n.x() + off, n.z() + off, 0.0);
    if (!held) continue;
    if (c.view.end_dots_only && k != 1 && k != count) continue;
    FilledCircle(picture, n.x(), n.z(), dot, plat::StockBrush(plat::WHITE_BRUSH));
  }
}

}  // namespace kelmf::drawing
