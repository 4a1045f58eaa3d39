#include "loads/picture/structure.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "loads/picture/labels.h"
#include "loads/picture/pens.h"

namespace pundf::picture {
namespace {

// A support direction held fixed, or held by a spring (a value above 1).
bool Fixed(const common::NodeRecord& node, int d) { return node.support_flag(d) != 0 && node.support(d) <= 1.0f; }
bool Spring(const common::NodeRecord& node, int d) { return node.support(d) > 1.0f; }

WorldPoint Offset(WorldPoint p, double dx, double dz) { return {p.x + dx, p.z + dz}; }

void Polyline(Picture& picture, std::initializer_list<WorldPoint> points) {
  std::vector<plat::Point> logical;
  for (const WorldPoint& p : points) logical.push_back(At(picture, p.x, p.z));
  picture.dc.Polyline(logical);
}

// Node to (x - h, z - h), the base to (x + h, z - h), back to the node; with a
// second base line at z - 1.2 h when the node may slide.
void DrawTriangle(Picture& picture, WorldPoint p, double h, bool second_base) {
  Polyline(picture, {p, Offset(p, -h, -h), Offset(p, h, -h), p});
  if (second_base) Line(picture, Offset(p, -h, -1.2 * h), Offset(p, h, -1.2 * h));
}

// Strokes from the node to the left, a vertical stroke at x - h, a second one
// at x - 1.2 h when the vertical direction is free.
void DrawHorizontalSupport(Picture& picture, WorldPoint p, double h, bool second_stroke) {
  Line(picture, p, Offset(p, -h, h));
  Line(picture, p, Offset(p, -h, -h));
  Line(picture, Offset(p, -h, -h), Offset(p, -h, h));
  if (second_stroke) Line(picture, Offset(p, -1.2 * h, -h), Offset(p, -1.2 * h, h));
}

// The unit direction of the node's first (else second) element, pointing away
// from the node; straight up when it has none.
WorldPoint DirectionAway(const Picture& picture, int node, const common::NodeRecord& record) {
  for (int e : {static_cast<int>(record.first_element()), static_cast<int>(record.second_element())}) {
    if (!IsElement(picture.geometry(), e)) continue;
    const common::ElementRecord& element = picture.geometry().elements[e];
    ElementEnds ends = EndsOf(element);
    if (element.node_a() != node) std::swap(ends.a, ends.b);
    const double length = ends.Length();
    if (length < 1e-6) continue;
    return {(ends.b.x - ends.a.x) / length, (ends.b.z - ends.a.z) / length};
  }
  return {0.0, 1.0};
}

// A vertical stroke through the node and a light-grey square of side 2h behind
// it, turned to the attached element.
void DrawClamp(Picture& picture, int node, const common::NodeRecord& record, WorldPoint p, double h) {
  Line(picture, Offset(p, 0, h), Offset(p, 0, -h));
  const WorldPoint t = DirectionAway(picture, node, record);
  const WorldPoint n{-t.z, t.x};
  const WorldPoint corners[] = {Offset(p, h * n.x, h * n.z), Offset(p, -h * n.x, -h * n.z),
                                Offset(p, -h * n.x - 2 * h * t.x, -h * n.z - 2 * h * t.z),
                                Offset(p, h * n.x - 2 * h * t.x, h * n.z - 2 * h * t.z)};
  std::vector<plat::Point> logical;
  for (const WorldPoint& c : corners) logical.push_back(At(picture, c.x, c.z));
  picture.dc.SelectBrush(plat::StockBrush(plat::LTGRAY_BRUSH));
  picture.dc.Polygon(logical);
}

void DrawSupport(Picture& picture, int node) {
  const common::NodeRecord& record = picture.geometry().nodes[node];
  const WorldPoint p = NodePoint(picture.geometry(), node);
  const double h = picture.symbol_size;
  const bool fixed_x = Fixed(record, 1), fixed_z = Fixed(record, 2);
  if (fixed_z) {
    DrawTriangle(picture, p, h, !fixed_x);
  } else if (fixed_x) {
    DrawHorizontalSupport(picture, p, h, true);
  } else if (Spring(record, 1) || Spring(record, 2)) {
    SelectPen(picture.dc, kGreenPen, picture.view.pen_width);
    DrawTriangle(picture, p, h, true);
    SelectPen(picture.dc, kBlackPen, 0);
  }
  if (Fixed(record, 3)) DrawClamp(picture, node, record, p, h);
}

// Where the hinge circle of an element end stands.
WorldPoint HingePoint(const Picture& picture, const common::ElementRecord& element, bool at_start) {
  const ElementEnds ends = EndsOf(element);
  const int node = at_start ? element.node_a() : element.node_b();
  const WorldPoint at = at_start ? ends.a : ends.b;
  if (!IsNode(picture.geometry(), node) || picture.geometry().nodes[node].mixed_hinges() != 1) return at;
  double length = ends.Length();
  if (length < 0.001) length = 1.0;
  const double cos = (ends.b.x - ends.a.x) / length, sin = (ends.b.z - ends.a.z) / length;
  const double d = (std::fabs(cos) < 0.05 || std::fabs(sin) < 0.05) ? 0.05 : 0.1;
  const double towards = at_start ? d : -d;
  return Offset(at, towards * cos, towards * sin);
}

}  // namespace

double ElementTextAngle(const Picture& picture, const common::ElementRecord& element) {
  const ElementEnds ends = EndsOf(element);
  return FoldedAngle(SegmentAngle(ends.b.x - ends.a.x, picture.sign * (ends.b.z - ends.a.z)));
}

void DrawStructure(Picture& picture) {
  const Geometry& g = picture.geometry();
  picture.dc.SelectPen(plat::Pen{plat::PS_SOLID, picture.view.pen_width, plat::Rgb(0, 0, 0)});
  for (int e = 1; e <= g.element_count(); ++e) {
    const ElementEnds ends = EndsOf(g.elements[e]);
    Line(picture, ends.a, ends.b);
    if (picture.view.element_numbers) DrawElementNumber(picture, e);
  }
  SelectPen(picture.dc, kBlackPen, 0);
  for (int n = 1; n <= g.node_count(); ++n) DrawSupport(picture, n);
  for (int n = 1; n <= g.node_count(); ++n) {
    Circle(picture, NodePoint(g, n), picture.pixel_unit, plat::StockBrush(plat::BLACK_BRUSH));
  }
}

void DrawElementNumber(Picture& picture, int element) {
  const common::ElementRecord& record = picture.geometry().elements[element];
  const ElementEnds ends = EndsOf(record);
  DrawTurnedText(picture, std::to_string(element), 0.5 * (ends.a.x + ends.b.x), 0.5 * (ends.a.z + ends.b.z),
                 LabelFont(picture, ElementTextAngle(picture, record)));
}

void DrawNodeNumbers(Picture& picture) {
  const Geometry& g = picture.geometry();
  for (int n = 1; n <= g.node_count(); ++n) {
    const common::NodeRecord& record = g.nodes[n];
    const WorldPoint p = NodePoint(g, n);
    const std::string text = "N " + std::to_string(n);
    if (record.support_flag(1) == 0 && record.support_flag(2) == 0) {
      DrawPointText(picture, text, p.x, p.z + picture.symbol_size, 0.0);
    } else {
      DrawBoxedText(picture, text, p.x, p.z + picture.symbol_size, 0.0);
    }
  }
}

void DrawHinges(Picture& picture) {
  const Geometry& g = picture.geometry();
  for (int e = 1; e <= g.element_count(); ++e) {
    const common::ElementRecord& element = g.elements[e];
    for (bool at_start : {true, false}) {
      if ((at_start ? element.hinge_a() : element.hinge_b()) != 1) continue;
      const WorldPoint p = HingePoint(picture, element, at_start);
      DrawNodeMarker(picture, p.x, p.z, kHollowCircle);
    }
  }
}

void DrawNodeMarker(Picture& picture, double x, double z, int kind) {
  switch (kind) {
    case kRedDot: Circle(picture, {x, z}, picture.pixel_unit, plat::Brush::Solid(plat::Rgb(255, 0, 0))); break;
    case kGreenDot: Circle(picture, {x, z}, picture.pixel_unit, plat::Brush::Solid(plat::Rgb(0, 180, 0))); break;
    default: Circle(picture, {x, z}, 3 * picture.pixel_unit, plat::Brush::Null()); break;
  }
}

}  // namespace pundf::picture
