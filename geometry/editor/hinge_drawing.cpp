// Hinge circles at released element ends and the marks of rigid ends at
// joints where released and rigid ends meet.
#include <cmath>

#include "geometry/editor/drawing_parts.h"

namespace kelmf::drawing {
namespace {

struct EndPoint {
  double x;
  double z;
  double ux;  // unit direction from this end into the element
  double uz;
};

EndPoint EndOf(const common::ElementRecord& e, bool at_start) {
  const double xa = at_start ? e.xa() : e.xb();
  const double za = at_start ? e.za() : e.zb();
  const double xb = at_start ? e.xb() : e.xa();
  const double zb = at_start ? e.zb() : e.za();
  double l = std::hypot(xb - xa, zb - za);
  if (l < 0.001) l = 1.0;
  return EndPoint{xa, za, (xb - xa) / l, (zb - za) / l};
}

const common::NodeRecord* NodeAt(const FrameModel& model, int number) {
  if (number < 1 || number > model.nodes.count()) return nullptr;
  return &model.nodes[number];
}

bool AtJoint(const FrameModel& model, int node) {
  const common::NodeRecord* n = NodeAt(model, node);
  return n != nullptr && n->mixed_hinges() == 1;
}

}  // namespace

void DrawHinges(Picture& p, const FrameModel& model) {
  const plat::Brush white = plat::StockBrush(plat::WHITE_BRUSH);
  p.canvas.dc.SelectPen(p.pens.thin);
  for (const common::ElementRecord& e : model.elements.used()) {
    for (const bool at_start : {true, false}) {
      if ((at_start ? e.hinge_a() : e.hinge_b()) == 0) continue;
      const EndPoint end = EndOf(e, at_start);
      double x = end.x;
      double z = end.z;
      if (AtJoint(model, at_start ? e.node_a() : e.node_b())) {
        // Away from the joint, so that the circles of several ends do not cover each other.
        const bool straight = std::fabs(end.ux) < 0.05 || std::fabs(end.uz) < 0.05;
        const double distance = straight ? 0.05 : 0.12;
        x += end.ux * distance;
        z += end.uz * distance;
      }
      FilledCircle(p, x, z, 3 * p.s5, white);
    }
  }
}

void DrawHingeMarks(Picture& p, const FrameModel& model) {
  WorldCanvas& c = p.canvas;
  const bool circles = c.view.end_circles;
  c.view.end_circles = false;
  c.dc.SelectPen(p.pens.thin);
  const double mark = 2.0 * p.s5 / double(c.drawing_scale);
  for (int k = 1; k <= model.nodes.count(); ++k) {
    const common::NodeRecord& n = model.nodes[k];
    if (n.mixed_hinges() != 1) continue;
    const int ends = std::min<int>(n.end_count(), common::NodeRecord::kMaxElements);
    for (int i = 1; i <= ends; ++i) {
      const int number = n.element(i);
      if (number < 1 || number > model.elements.count()) continue;
      const common::ElementRecord& e = model.elements[number];
      for (const bool at_start : {true, false}) {
        if ((at_start ? e.node_a() : e.node_b()) != k) continue;
        if ((at_start ? e.hinge_a() : e.hinge_b()) != 0) continue;
        // A short stroke across the rigid end, 0.2 m from the joint.
        const EndPoint end = EndOf(e, at_start);
        const double x = end.x + 0.2 * end.ux;
        const double z = end.z + 0.2 * end.uz;
        DrawWorldLine(c, x, z, x - mark * end.uz, z + mark * end.ux);
      }
    }
  }
  c.view.end_circles = circles;
}

}  // namespace kelmf::drawing
