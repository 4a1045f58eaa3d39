#include "loads/picture/picture.h"

#include <cmath>

#include "platform/dc/mapping.h"

namespace pundf::picture {

double VerticalSign(const common::FrameParams& params) { return params.vertical_sign() > 0 ? 1.0 : -1.0; }

plat::Point At(const Picture& picture, double x, double z) {
  return {plat::RoundCoordinate(picture.scale * x), plat::RoundCoordinate(picture.scale * z)};
}

plat::Point AtRecords(const Picture& picture, double x, double y) { return At(picture, x, picture.sign * y); }

WorldPoint NodePoint(const Geometry& geometry, int node) {
  const common::NodeRecord& n = geometry.nodes[node];
  return {n.x(), n.z()};
}

double ElementEnds::Length() const { return std::hypot(b.x - a.x, b.z - a.z); }

ElementEnds EndsOf(const common::ElementRecord& element) {
  return {{element.xa(), element.za()}, {element.xb(), element.zb()}};
}

bool IsNode(const Geometry& geometry, int n) { return n >= 1 && n <= geometry.node_count(); }
bool IsElement(const Geometry& geometry, int e) { return e >= 1 && e <= geometry.element_count(); }

void Line(Picture& picture, WorldPoint a, WorldPoint b) {
  const plat::Point from = At(picture, a.x, a.z);
  const plat::Point to = At(picture, b.x, b.z);
  picture.dc.MoveTo(from.x, from.y);
  picture.dc.LineTo(to.x, to.y);
}

void Circle(Picture& picture, WorldPoint centre, int radius, const plat::Brush& brush) {
  const plat::Point c = At(picture, centre.x, centre.z);
  picture.dc.SelectBrush(brush);
  picture.dc.Ellipse(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
}

}  // namespace pundf::picture
