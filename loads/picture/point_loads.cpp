#include "loads/picture/point_loads.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "loads/picture/labels.h"
#include "loads/picture/line_loads.h"
#include "loads/picture/structure.h"

namespace pundf::picture {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kArcSteps = 12;
// The arrow head's strokes end this far back along the arc (radians).
constexpr double kHeadBack = 0.3;

void DrawPointLoad(Picture& picture, int k) {
  using Kind = common::PointLoadRecord::Kind;
  const common::PointLoadRecord& r = picture.load_case().point_loads[k];
  if (!PointLoadShown(picture.geometry(), r)) return;
  const WorldPoint at{r.x(), r.z()};
  const double value = r.value();
  std::string label;
  switch (r.kind()) {
    case Kind::kForce: {
      const std::vector<plat::Point> arrow = ForceArrow(picture, at, value, r.force_x(), r.force_y());
      DrawLoadPolygon(picture, arrow, kFilledPolygon);
      label = FormatText("F%i  %.2f kN", k, value);
      break;
    }
    case Kind::kMoment:
      DrawMomentArc(picture, at, 0.3, 0.3 * picture.view.global_zoom, -kPi / 2, kPi / 2, value);
      label = FormatText("M%i  %.2f kNm", k, value);
      DrawNodeMarker(picture, at.x, at.z, kHollowCircle);
      break;
    case Kind::kKink:
      DrawNodeMarker(picture, at.x, at.z, Kind::kKink);
      label = FormatText("Kink Delta %.1f", value);
      break;
    case Kind::kVerticalDislocation:
      DrawNodeMarker(picture, at.x, at.z, Kind::kVerticalDislocation);
      label = FormatText("Delta w %.1f", value);
      break;
    case Kind::kHorizontalDislocation:
      DrawNodeMarker(picture, at.x, at.z, Kind::kHorizontalDislocation);
      label = FormatText("Delta u %.1f", value);
      break;
    default:
      return;
  }
  DrawPointText(picture, label, at.x, at.z, 0.0);
}

}  // namespace

bool PointLoadShown(const Geometry& geometry, const common::PointLoadRecord& r) {
  const double value = r.value();
  if (!std::isfinite(value) || !std::isfinite(r.x()) || !std::isfinite(r.z())) return false;
  if (!std::isfinite(r.force_x()) || !std::isfinite(r.force_y())) return false;
  return value != 0.0 && std::fabs(value) >= geometry.params.tolerance();
}

std::vector<WorldPoint> ForceArrowPoints(const PictureView& view, WorldPoint tip, double value, double fx, double fy) {
  const double h = value * 0.5 * view.zoom * 0.05 * view.load_scale;
  const double a = std::fabs(h);
  double phi = std::acos(std::clamp(fy / value, -1.0, 1.0));
  if (fx / value < 0) phi = -phi;
  const double c = std::cos(phi), s = std::sin(phi);
  const WorldPoint local[] = {{0, 0}, {a, h}, {a / 2, h}, {a / 2, 3 * h}, {-a / 2, 3 * h}, {-a / 2, h}, {-a, h}, {0, 0}};
  std::vector<WorldPoint> points;
  for (const WorldPoint& p : local) points.push_back({tip.x + p.x * c - p.z * s, tip.z + p.x * s + p.z * c});
  return points;
}

std::vector<plat::Point> ForceArrow(const Picture& picture, WorldPoint tip, double value, double fx, double fy) {
  std::vector<plat::Point> points;
  for (const WorldPoint& p : ForceArrowPoints(picture.view, tip, value, fx, fy)) points.push_back(At(picture, p.x, p.z));
  return points;
}

void DrawMomentArc(Picture& picture, WorldPoint centre, double radius_factor, double size, double from, double to,
                   double moment) {
  const double outer = 20.0 * size * picture.pixel_unit / picture.scale;
  const double inner = (1.0 - radius_factor) * outer;
  // A point at radius r and angle t of the records' axes.
  auto on_arc = [&](double r, double t) {
    return AtRecords(picture, centre.x + r * std::cos(t), picture.sign * centre.z + r * std::sin(t));
  };
  for (double r : {outer, inner}) {
    std::vector<plat::Point> arc;
    for (int i = 0; i <= kArcSteps; ++i) arc.push_back(on_arc(r, from + (to - from) * i / kArcSteps));
    picture.dc.Polyline(arc);
  }
  const double end = moment >= 0 ? to : from;
  const double back = moment >= 0 ? end - kHeadBack : end + kHeadBack;
  const plat::Point tip = on_arc(outer, end);
  for (double r : {0.7 * outer, 1.3 * outer}) {
    const plat::Point p = on_arc(r, back);
    picture.dc.MoveTo(tip.x, tip.y);
    picture.dc.LineTo(p.x, p.y);
  }
}

void drawPointLoads(Picture& picture) {
  const int count = picture.load_case().point_loads.count();
  for (int k = 1; k <= count; ++k) DrawPointLoad(picture, k);
}

}  // namespace pundf::picture
