#include "loads/picture/line_loads.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "loads/picture/labels.h"

namespace pundf::picture {
namespace {

constexpr double kBandHalfWidth = 0.02;  // metres
// The arrow heads' strokes leave the element turned by +-10 radians from the
// ordinate direction.
constexpr double kHeadCos = -0.8391;
constexpr double kHeadSin = -0.5440;

// A vector in the records' (x, y).
struct Vec {
  double x = 0.0;
  double y = 0.0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }

plat::Point AtVec(const Picture& picture, Vec v) { return AtRecords(picture, v.x, v.y); }

// The direction of the ordinates: the segment's left normal for N and T, x for
// X, y for Y.
Vec OrdinateDirection(char direction, Vec d) {
  switch (std::toupper(static_cast<unsigned char>(direction))) {
    case 'X': return {1.0, 0.0};
    case 'Y': return {0.0, 1.0};
    default: {
      double length = std::hypot(d.x, d.y);
      if (length < 0.01) length = 1.0;
      return {-d.y / length, d.x / length};
    }
  }
}

bool Finite(const common::LineLoadRecord& r) {
  for (double v : {r.x1(), r.z1(), r.x2(), r.z2(), r.value_a(), r.value_b()}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// The diagram of a line load in the records' (x, y): the segment from `start` along `d`, the
// ordinates along -u, s metres per kN/m, from value a to value b.
struct Diagram {
  Vec start, d, u;
  double s = 0.0, a = 0.0, b = 0.0;

  Vec Foot(double t) const { return start + t * d; }
  double Value(double t) const { return a + (b - a) * t; }
  Vec Ordinate(double t) const { return Foot(t) - (Value(t) * s) * u; }
};

Diagram DiagramOf(const common::LineLoadRecord& r, const PictureView& view, double sign) {
  Diagram g;
  g.start = {r.x1(), sign * r.z1()};
  g.d = Vec{r.x2(), sign * r.z2()} - g.start;
  g.u = OrdinateDirection(r.direction(), g.d);
  g.s = 0.1 * view.zoom * view.load_scale;
  g.a = r.value_a();
  g.b = r.value_b();
  return g;
}

std::string ValueText(double value) { return FormatText("%.2f %s", value, "kN/m"); }

// The label `index` of the line-load labels at its remembered place (the
// default place the first time), moved a little across the band.
void DrawValueLabel(Picture& picture, int index, WorldPoint place, WorldPoint across, double angle, double value) {
  LabelPosition& memory = picture.labels.line_loads[index];
  if (memory.placed == 0) {
    memory.x = static_cast<float>(place.x);
    memory.z = static_cast<float>(place.z);
    memory.placed = 1;
  }
  const double shift = 0.3 * kBandHalfWidth;
  DrawLoadLabel(picture, kLineLoadLabel, index, memory.x + shift * across.x, memory.z + shift * across.z, angle,
                ValueText(value));
}

void DrawLineLoad(Picture& picture, int k) {
  const common::LineLoadRecord& r = picture.load_case().line_loads[k];
  if (!Finite(r)) return;
  const WorldPoint start_point{r.x1(), r.z1()}, end_point{r.x2(), r.z2()};
  DrawLoadBand(picture, start_point, end_point);

  // The diagram is built in the records' (x, y), y = sign z.
  const Diagram diagram = DiagramOf(r, picture.view, picture.sign);
  const Vec start = diagram.start, d = diagram.d, u = diagram.u;
  const double s = diagram.s, a = diagram.a, b = diagram.b;
  std::vector<plat::Point> polygon{AtVec(picture, start)};
  std::vector<std::pair<Vec, Vec>> arrows;  // foot on the element, ordinate point
  for (int i = 0; i <= 10; ++i) {
    const Vec foot = diagram.Foot(i / 10.0);
    const Vec ordinate = diagram.Ordinate(i / 10.0);
    polygon.push_back(AtVec(picture, ordinate));
    arrows.emplace_back(foot, ordinate);
  }
  polygon.push_back(AtVec(picture, start + d));
  const bool tangential = std::toupper(static_cast<unsigned char>(r.direction())) == 'T';
  DrawLoadPolygon(picture, polygon, tangential ? kOutlinedPolygon : kFilledPolygon);

  // The base line and the eleven arrows in one stroke: along the base line from foot to foot, and
  // at each foot out to its ordinate, along one head stroke and along the other, back each time.
  const Vec head_plus{u.x * kHeadCos - u.y * kHeadSin, u.x * kHeadSin + u.y * kHeadCos};
  const Vec head_minus{u.x * kHeadCos + u.y * kHeadSin, -u.x * kHeadSin + u.y * kHeadCos};
  std::vector<plat::Point> stroke;
  for (int i = 0; i <= 10; ++i) {
    const auto& [foot, ordinate] = arrows[static_cast<std::size_t>(i)];
    const double head = 0.15 * (a + (b - a) * i / 10.0) * s;
    const plat::Point f = AtVec(picture, foot);
    for (const plat::Point& p : {f, AtVec(picture, ordinate), f, AtVec(picture, foot + head * head_plus), f,
                                 AtVec(picture, foot + head * head_minus), f}) {
      stroke.push_back(p);
    }
  }
  picture.dc.Polyline(stroke);

  double length = std::hypot(d.x, d.y);
  if (length < 0.01) length = 1.0;
  const WorldPoint across{-d.y / length, picture.sign * d.x / length};
  const double angle = FoldedAngle(SegmentAngle(d.x, d.y));
  if (std::fabs(a - b) < 0.1) {
    const WorldPoint middle{0.5 * (start_point.x + end_point.x), 0.5 * (start_point.z + end_point.z)};
    DrawValueLabel(picture, 2 * k - 1, middle, across, angle, a);
  } else {
    DrawValueLabel(picture, 2 * k - 1, start_point, across, angle, a);
    DrawValueLabel(picture, 2 * k, end_point, across, angle, b);
  }
}

}  // namespace

std::vector<WorldPoint> LineLoadOutline(const common::LineLoadRecord& load, const PictureView& view, double sign) {
  if (!Finite(load)) return {};
  const Diagram diagram = DiagramOf(load, view, sign);
  std::vector<WorldPoint> outline;
  for (const Vec& v : {diagram.Foot(0), diagram.Ordinate(0), diagram.Ordinate(1), diagram.Foot(1)}) {
    outline.push_back({v.x, sign * v.y});
  }
  return outline;
}

void DrawLoadBand(Picture& picture, WorldPoint a, WorldPoint b) {
  double length = std::hypot(b.x - a.x, b.z - a.z);
  if (length < 0.01) length = 1.0;
  const double nx = -(b.z - a.z) / length * kBandHalfWidth, nz = (b.x - a.x) / length * kBandHalfWidth;
  const plat::Point corners[] = {At(picture, a.x + nx, a.z + nz), At(picture, b.x + nx, b.z + nz),
                                 At(picture, b.x - nx, b.z - nz), At(picture, a.x - nx, a.z - nz)};
  picture.dc.SelectBrush(picture.view.filled_bands ? plat::Brush::Solid(plat::Rgb(210, 210, 210))
                                                   : plat::Brush::Hatched(plat::HS_BDIAGONAL, plat::Rgb(255, 0, 0)));
  picture.dc.Polygon(corners);
}

void DrawGravityBands(Picture& picture) {
  const Geometry& g = picture.geometry();
  for (int e = 1; e <= g.element_count(); ++e) {
    const ElementEnds ends = EndsOf(g.elements[e]);
    DrawLoadBand(picture, ends.a, ends.b);
  }
}

void drawLineLoads(Picture& picture) {
  const int count = picture.load_case().line_loads.count();
  for (int k = 1; k <= count; ++k) DrawLineLoad(picture, k);
}

void DrawLoadPolygon(Picture& picture, std::span<const plat::Point> points, int kind) {
  picture.dc.SelectBrush(kind == kFilledPolygon ? plat::Brush::Solid(plat::Rgb(230, 230, 230)) : plat::Brush::Null());
  picture.dc.Polygon(points);
}

}  // namespace pundf::picture
