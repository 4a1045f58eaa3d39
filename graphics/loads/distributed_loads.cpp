#include "graphics/loads/distributed_loads.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "graphics/diagrams/shape_drawing.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/text.h"
#include "mechanics/model/gravity_load.h"

namespace revuzavi {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
  double x = 0.0, z = 0.0;
};

void SetPoint(PictureState& p, int i, double x, double z) {
  p.curve_points[static_cast<std::size_t>(i)] = WorldPoint{static_cast<float>(x), static_cast<float>(z)};
}

// The text angle of a drawn direction (clockwise as seen), within -pi/2 .. pi/2.
double TextAngle(Vec d) {
  double a = -std::atan2(d.z, d.x);
  if (a > kPi / 2) a -= kPi;
  if (a < -kPi / 2) a += kPi;
  return a;
}

// The drawn unit direction of a load along `letter` on element e.
Vec LoadDirection(const ViewerState& s, char letter, int e) {
  const double sigma = VerticalSign(s);
  const bool has_element = e >= 1 && e <= s.elements.count();
  const double cs = has_element ? s.elements[e].cosine() : 1.0, sn = has_element ? s.elements[e].sine() : 0.0;
  switch (letter) {
    case 'X': return {1.0, 0.0};
    case 'N': return {-sn, sigma * cs};
    case 'T': return {cs, sigma * sn};
    default: return {0.0, sigma};  // 'Y', the records' y
  }
}

}  // namespace

std::string SelfWeightText(const ViewerState& state, int e) {
  const int section = state.elements[e].cross_section();
  if (section < 1 || section > state.sections.count()) return {};
  return FormatValue("%4.1lf kN/m", mechanics::GravityLoadPerMetre(state.sections[section], state.load_case_params));
}

int DrawSelfWeight(Canvas& c) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  const double half = 0.01 * FrameSize(s);
  const plat::Brush band = s.solid_band_mirror != 0 ? plat::Brush::Solid(plat::Rgb(210, 210, 210))
                                                    : plat::Brush::Hatched(plat::HS_BDIAGONAL, plat::Rgb(255, 0, 0));
  int drawn = 0;
  for (int e = 1; e <= s.elements.count(); ++e) {
    if (c.view.reanalysis_view && c.view.ElementPicked(e)) continue;
    const common::ElementRecord& el = s.elements[e];
    const Vec a{el.xa(), sigma * el.ya()}, b{el.xb(), sigma * el.yb()};
    const double l = std::hypot(b.x - a.x, b.z - a.z);
    if (!(l > 0.0)) continue;
    const Vec n{-(b.z - a.z) / l * half, (b.x - a.x) / l * half};
    const double scale = c.scale();
    const plat::Point corners[4] = {{ToLogical((a.x + n.x) * scale), ToLogical((a.z + n.z) * scale)},
                                    {ToLogical((b.x + n.x) * scale), ToLogical((b.z + n.z) * scale)},
                                    {ToLogical((b.x - n.x) * scale), ToLogical((b.z - n.z) * scale)},
                                    {ToLogical((a.x - n.x) * scale), ToLogical((a.z - n.z) * scale)}};
    const plat::Brush brush = c.dc.SelectBrush(band);
    const plat::Pen pen = c.dc.SelectPen(plat::Pen{plat::PS_NULL, 0, 0});
    c.dc.Polygon(std::span<const plat::Point>(corners, 4));
    c.dc.SelectPen(pen);
    c.dc.SelectBrush(brush);
    const std::string text = SelfWeightText(s, e);
    if (!text.empty()) {
      DrawValueText(c, (a.x + b.x) / 2 + 3 * n.x, (a.z + b.z) / 2 + 3 * n.z, text, 1, 1.0,
                    TextAngle(Vec{b.x - a.x, b.z - a.z}));
    }
    ++drawn;
  }
  return drawn;
}

int DrawLineLoads(Canvas& c, bool labels) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  double largest = 0.0;
  for (const common::LineLoadRecord& load : s.line_loads.used()) {
    largest = std::max({largest, double{std::fabs(load.value_a())}, double{std::fabs(load.value_b())}});
  }
  // The largest ordinate 0.08 of the frame's size.
  const double k = largest > 0.0 ? 0.08 * FrameSize(s) / largest * c.view.load_factor : 0.0;
  int drawn = 0, number = 0;
  for (const common::LineLoadRecord& load : s.line_loads.used()) {
    const int e = load.element();
    if (load.generated() != 0) continue;
    if (e >= 1 && e <= s.elements.count() && s.elements[e].switched_off_flag() != 0) continue;
    const Vec a{load.x1(), sigma * load.y1()}, b{load.x2(), sigma * load.y2()};
    const bool along = load.direction() == 'T';
    // Ordinates stand on the side the load pushes from; a load along the element is drawn across it.
    const Vec d = LoadDirection(s, along ? 'N' : load.direction(), e);
    const double q1 = load.value_a(), q2 = load.value_b();
    PictureState& p = c.picture;
    SetPoint(p, 1, a.x, a.z);
    SetPoint(p, 2, a.x - d.x * q1 * k, a.z - d.z * q1 * k);
    SetPoint(p, 3, b.x - d.x * q2 * k, b.z - d.z * q2 * k);
    SetPoint(p, 4, b.x, b.z);
    SetPoint(p, 5, a.x, a.z);
    DrawPolygonOutline(c, 5, along ? 2 : 1);
    const Vec t = LoadDirection(s, 'T', e);
    for (int i = 1; i <= 5; ++i) {
      const double f = i / 6.0, q = q1 + (q2 - q1) * f;
      const Vec at{a.x + (b.x - a.x) * f, a.z + (b.z - a.z) * f};
      const double o = 0.15 * q * k;
      if (along) {
        const Vec mid{at.x - d.x * q * k / 2, at.z - d.z * q * k / 2};
        DrawArrow(c, mid.x - t.x * o, mid.z - t.z * o, mid.x + t.x * o, mid.z + t.z * o);
      } else if (std::fabs(q) > 0.0) {
        DrawArrow(c, at.x - d.x * q * k, at.z - d.z * q * k, at.x - d.x * o, at.z - d.z * o);
      }
    }
    if (labels) {
      const double factor = s.params.viewer_factor_656() != 0.0 ? s.params.viewer_factor_656() : 1.0;
      if (std::fabs(q1 - q2) < 0.1) {
        const Vec mid{(a.x + b.x) / 2 - d.x * q1 * k * 1.3, (a.z + b.z) / 2 - d.z * q1 * k * 1.3};
        const LabelPosition at = p.labels.loads.Place(++number, static_cast<float>(mid.x), static_cast<float>(mid.z));
        DrawRotatedText(c, at.x, at.z, FormatValue("%.1f kN/m", q1 * factor), kRedText,
                        TextAngle(Vec{b.x - a.x, b.z - a.z}), number, 4, true);
      } else {
        const LabelPosition at1 = p.labels.loads.Place(++number, static_cast<float>(a.x - d.x * q1 * k * 1.3),
                                                       static_cast<float>(a.z - d.z * q1 * k * 1.3));
        DrawRotatedText(c, at1.x, at1.z, FormatValue("%.1f kN/m", q1 * factor), kRedText, 0.0, number, 4, true);
        const LabelPosition at2 = p.labels.loads.Place(++number, static_cast<float>(b.x - d.x * q2 * k * 1.3),
                                                       static_cast<float>(b.z - d.z * q2 * k * 1.3));
        DrawRotatedText(c, at2.x, at2.z, FormatValue("%.1f kN/m", q2 * factor), kRedText, 0.0, number, 4, true);
      }
    }
    ++drawn;
  }
  return drawn;
}

}  // namespace revuzavi
