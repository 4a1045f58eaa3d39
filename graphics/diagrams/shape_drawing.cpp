#include "graphics/diagrams/shape_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

constexpr int kShapePen = kShapeCurvePen;
constexpr int kLastSample = mechanics::kSamples;

// The sample of the largest magnitude, the first of equal ones.
int LargestSample(const std::array<double, 51>& values) {
  int best = 1;
  for (int k = 2; k <= kLastSample; ++k) {
    if (std::fabs(values[static_cast<std::size_t>(k - 1)]) > std::fabs(values[static_cast<std::size_t>(best - 1)])) {
      best = k;
    }
  }
  return best;
}

int LargestSample(const mechanics::CurveLine& line) {
  std::array<double, 51> values{};
  for (int k = 1; k <= kLastSample; ++k) values[static_cast<std::size_t>(k - 1)] = line(k);
  return LargestSample(values);
}

// The values an element's labels show and whether they are axial.
struct LabelledValues {
  std::array<double, 51> values{};
  bool axial = false;
};

LabelledValues LabelledOf(const Canvas& c, int e, const mechanics::ElementCurves& curves, const ShapeOptions& o) {
  LabelledValues v;
  if (o.horizontal_only || o.vertical_only) {
    for (int k = 1; k <= kLastSample; ++k) {
      v.values[static_cast<std::size_t>(k - 1)] = ComponentValue(c.viewer, e, curves.u, curves.w, o.horizontal_only, k);
    }
    return v;
  }
  const double w_max = std::fabs(curves.w(LargestSample(curves.w)));
  const double u_max = std::fabs(curves.u(LargestSample(curves.u)));
  v.axial = !(w_max > u_max);
  const mechanics::CurveLine& line = v.axial ? curves.u : curves.w;
  for (int k = 1; k <= kLastSample; ++k) v.values[static_cast<std::size_t>(k - 1)] = line(k);
  return v;
}

}  // namespace

double VerticalSign(const ViewerState& state) { return state.params.vertical_sign() > 0 ? 1.0 : -1.0; }

std::vector<OffsetPoint> ShapeReachPoints(const Canvas& c,
                                          const std::vector<std::pair<int, mechanics::ElementCurves>>& shown,
                                          const ShapeOptions& o) {
  ShapeOptions unit = o;
  unit.scale = 1.0;
  std::vector<OffsetPoint> points;
  points.reserve(shown.size() * kLastSample);
  for (const auto& [e, curve] : shown) {
    const ShapePoints p = ShapeOf(c, e, curve.u, curve.w, unit);
    for (std::size_t i = 0; i < p.axis.size(); ++i) {
      points.push_back(OffsetPoint{p.axis[i].x, p.axis[i].y, p.offset[i].x, p.offset[i].y});
    }
  }
  return points;
}

WorldPoint ShapePoints::Drawn(int k) const {
  const WorldPoint a = axis[static_cast<std::size_t>(k - 1)], d = offset[static_cast<std::size_t>(k - 1)];
  return WorldPoint{a.x + d.x, a.y + d.y};
}

std::string FormatValue(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

double ComponentValue(const ViewerState& state, int e, const mechanics::CurveLine& u, const mechanics::CurveLine& w,
                      bool horizontal, int k) {
  const common::ElementRecord& element = state.elements[e];
  const double cs = element.cosine(), sn = element.sine();
  return horizontal ? cs * u(k) - sn * w(k) : sn * u(k) + cs * w(k);
}

ShapePoints ShapeOf(const Canvas& c, int e, const mechanics::CurveLine& u, const mechanics::CurveLine& w,
                    const ShapeOptions& o) {
  const common::ElementRecord& element = c.viewer.elements[e];
  const double cs = element.cosine(), sn = element.sine();
  const double l = element.length();
  // The drawn direction of the axis, as the frame picture draws the element.
  const double along_x = l > 0.0 ? (static_cast<double>(element.xb()) - element.xa()) / l : 1.0;
  const double along_z = l > 0.0 ? (static_cast<double>(element.zb()) - element.za()) / l : 0.0;
  const double sigma = VerticalSign(c.viewer);
  ShapePoints p;
  for (int k = 1; k <= kLastSample; ++k) {
    double a = u(k) * o.scale, t = w(k) * o.scale;
    if (c.view.axis_swap) std::swap(a, t);
    double x = cs * a - sn * t, y = sn * a + cs * t;  // the records' axes
    if (o.horizontal_only) {
      y = c.view.axis_swap ? x : 0.0;
      if (c.view.axis_swap) x = 0.0;
    } else if (o.vertical_only) {
      x = 0.0;
    }
    const double s = (k - 1) * l / 50.0;
    const std::size_t i = static_cast<std::size_t>(k - 1);
    p.axis[i] = WorldPoint{static_cast<float>(element.xa() + along_x * s), static_cast<float>(element.za() + along_z * s)};
    p.offset[i] = WorldPoint{static_cast<float>(x), static_cast<float>(sigma * y)};
  }
  return p;
}

void DrawShapeCurve(Canvas& c, const ShapePoints& p, const ShapeOptions& o) {
  for (int k = 1; k <= kLastSample; ++k) c.picture.curve_points[static_cast<std::size_t>(k)] = p.Drawn(k);
  DrawCurve(c, kLastSample, kShapePen, true, false, c.scale());
  if (!o.horizontal_only && !o.vertical_only) return;
  SelectPen(c, kShapePen);
  for (int k : {1, kLastSample}) {
    const WorldPoint a = p.axis[static_cast<std::size_t>(k - 1)], d = p.Drawn(k);
    DrawLine(c, a.x, a.y, d.x, d.y);
  }
  SelectPen(c, 0);
}

namespace {

// The height of a drawn text's box in world units.
double TextHeight(const Canvas& c, const TextBox& box) {
  int low = box.corners[0].y, high = box.corners[0].y;
  for (const plat::Point& q : box.corners) {
    low = std::min(low, q.y);
    high = std::max(high, q.y);
  }
  return c.scale() > 0 ? static_cast<double>(high - low) / c.scale() : 0.0;
}

}  // namespace

void DrawShapeLabel(Canvas& c, const ShapePoints& p, int k, int number, const std::string& text, double lift) {
  const WorldPoint a = p.axis[static_cast<std::size_t>(k - 1)], d = p.offset[static_cast<std::size_t>(k - 1)];
  const LabelPosition at = c.picture.labels.deflection.Place(number, static_cast<float>(a.x + 0.99 * d.x),
                                                             static_cast<float>(a.y + 0.99 * d.y + 0.1 + lift));
  if (text.empty()) return;
  DrawRotatedText(c, at.x, at.z, text, 0, 0.0, number, c.picture.diagram_kind, true);
}

int DrawShapes(Canvas& c, const ShapeOptions& given, const ShapeCurves& curves, const ShapeLabelText& label) {
  c.picture.diagram_kind = 1;
  std::vector<std::pair<int, mechanics::ElementCurves>> shown;
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (ElementShown(c.viewer, c.view, e)) shown.emplace_back(e, curves(e));
  }
  ShapeOptions o = given;
  o.scale = FitCurveScale(c, ShapeReachPoints(c, shown, given), given.scale);
  int drawn = 0;
  int number = 0;
  int previous_extreme = 0;
  double previous_height = 0.0;  // of the extreme label drawn last, in world units
  for (const auto& [e, curve] : shown) {
    if (o.curve_files) {
      WriteElementCurveFile(c.viewer, 'W', e, curve.w);
      WriteElementCurveFile(c.viewer, 'U', e, curve.u);
    }
    const ShapePoints p = ShapeOf(c, e, curve.u, curve.w, o);
    DrawShapeCurve(c, p, o);
    ++drawn;
    if (!label) continue;
    const LabelledValues v = LabelledOf(c, e, curve, o);
    const int extreme = LargestSample(v.values);
    // Two labels would meet at the node the element shares with the one before.
    const bool meets = drawn > 1 && extreme == 1 && (previous_extreme == 50 || previous_extreme == kLastSample);
    ++number;
    const std::string text = label(v.values[static_cast<std::size_t>(extreme - 1)], v.axial);
    const int boxes = c.picture.text_boxes.count();
    if (!meets) {
      DrawShapeLabel(c, p, extreme, number, text);
    } else if (o.stacked) {
      DrawShapeLabel(c, p, extreme, number, text, previous_height);
    }
    // What the next label meeting this one at the node must rise by.
    previous_height = c.picture.text_boxes.count() > boxes ? TextHeight(c, c.picture.text_boxes[boxes + 1]) : 0.0;
    previous_extreme = extreme;
    const std::size_t slot = static_cast<std::size_t>(e);
    const int listed = slot < c.view.label_samples.size() ? c.view.label_samples[slot] : 0;
    if (listed >= 1 && listed <= kLastSample && listed != extreme) {
      DrawShapeLabel(c, p, listed, ++number, label(v.values[static_cast<std::size_t>(listed - 1)], v.axial));
    }
  }
  return drawn;
}

}  // namespace revuzavi
