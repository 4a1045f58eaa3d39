// The support and spring symbols of the nodes, of size f.
#include <cmath>

#include "geometry/editor/drawing_parts.h"

namespace kelmf::drawing {
namespace {

void Polygon(Picture& p, std::initializer_list<plat::PointD> world) {
  std::vector<plat::Point> points;
  for (const plat::PointD& w : world) points.push_back(ToLogical(p.canvas.drawing_scale, w.x, w.y));
  p.canvas.dc.Polyline(points);
}

void HeldInZ(Picture& p, double x, double z, double f, bool roller) {
  Polygon(p, {{x, z}, {x - f, z - f}, {x + f, z - f}, {x, z}});
  if (roller) DrawWorldLine(p.canvas, x - f, z - 1.2 * f, x + f, z - 1.2 * f);
}

void HeldInXOnly(Picture& p, double x, double z, double f) {
  Polygon(p, {{x, z}, {x - f, z + f}, {x - f, z - f}, {x, z}});
  DrawWorldLine(p.canvas, x - 1.2 * f, z - f, x - 1.2 * f, z + f);
}

// The direction of the element the clamp is turned to: the node's first
// connected element, else its second; along x when neither is known.
plat::PointD ClampDirection(const FrameModel& model, const common::NodeRecord& n) {
  for (const int e : {int(n.first_element()), int(n.second_element())}) {
    if (e < 1 || e > model.elements.count()) continue;
    const common::ElementRecord& el = model.elements[e];
    const double dx = double(el.xb()) - el.xa();
    const double dz = double(el.zb()) - el.za();
    const double l = std::hypot(dx, dz);
    if (l > 1e-6) return {dx / l, dz / l};
  }
  return {1.0, 0.0};
}

void Clamped(Picture& p, const FrameModel& model, const common::NodeRecord& n, double f) {
  const double x = n.x();
  const double z = n.z();
  DrawWorldLine(p.canvas, x, z - f, x, z + f);
  const plat::PointD u = ClampDirection(model, n);
  const plat::PointD v{-u.y, u.x};
  Polygon(p, {{x + f * (u.x + v.x), z + f * (u.y + v.y)},
              {x + f * (-u.x + v.x), z + f * (-u.y + v.y)},
              {x + f * (-u.x - v.x), z + f * (-u.y - v.y)},
              {x + f * (u.x - v.x), z + f * (u.y - v.y)},
              {x + f * (u.x + v.x), z + f * (u.y + v.y)}});
}

}  // namespace

void DrawSupportSymbols(Picture& p, const FrameModel& model) {
  const double f = p.symbol_size;
  for (const common::NodeRecord& n : model.nodes.used()) {
    p.canvas.dc.SelectPen(p.pens.thin);
    if (n.support_flag(3)) {
      Clamped(p, model, n, f);
    } else if (n.support_flag(2)) {
      HeldInZ(p, n.x(), n.z(), f, n.support_flag(1) == 0);
    } else if (n.support_flag(1)) {
      HeldInXOnly(p, n.x(), n.z(), f);
    } else if (n.support(2) > 0.0f || n.support(1) > 0.0f) {
      p.canvas.dc.SelectPen(p.pens.green);
      HeldInZ(p, n.x(), n.z(), f, true);
    }
  }
  p.canvas.dc.SelectPen(p.pens.thin);
}

}  // namespace kelmf::drawing
