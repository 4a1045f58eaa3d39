#include "graphics/diagrams/diagram_strips.h"

#include <algorithm>
#include <cmath>

#include "graphics/picture/frame.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

// Drawn z is this sign times the records' y; a model holding 0 counts -1.
double VerticalSign(const ViewerState& state) {
  const int sign = state.params.vertical_sign();
  return sign == 0 ? -1.0 : static_cast<double>(sign);
}

double Span(const ViewerState& state) {
  const common::DrawingExtents& e = state.extents;
  return std::max(static_cast<double>(e.xmax()) - e.xmin(), static_cast<double>(e.zmax()) - e.zmin());
}

// The unit normal of the element as drawn.
WorldPoint Normal(const ViewerState& state, int e) {
  const common::ElementRecord& el = state.elements[e];
  return WorldPoint{el.minus_sine(), static_cast<float>(VerticalSign(state) * el.normal_cosine())};
}

// The unit direction of the element as drawn.
WorldPoint Direction(const ViewerState& state, int e) {
  const common::ElementRecord& el = state.elements[e];
  return WorldPoint{el.cosine(), static_cast<float>(VerticalSign(state) * el.sine())};
}

// The first sample of the strip that holds sample k.
int StripStart(int k, int step) {
  return std::clamp(1 + (k - 1) / step * step, 1, mechanics::kSamples - step);
}

}  // namespace

int StripStep(const ViewerState& state, int e) {
  const double width = static_cast<double>(state.extents.xmax()) - state.extents.xmin();
  return state.elements[e].length() < 0.1 * width ? 2 : 1;
}

WorldPoint AxisPoint(const ViewerState& state, int e, int k) {
  const common::ElementRecord& el = state.elements[e];
  const double s = (k - 1) * static_cast<double>(el.length()) / 50.0;
  const double sign = VerticalSign(state);
  return WorldPoint{static_cast<float>(el.xa() + el.cosine() * s),
                    static_cast<float>(sign * (el.ya() + el.sine() * s))};
}

WorldPoint CurvePoint(const ViewerState& state, const ElementDiagram& d, int k) {
  const WorldPoint p = AxisPoint(state, d.element, k);
  const WorldPoint n = Normal(state, d.element);
  const double v = (*d.values)(k)*d.scale;
  return WorldPoint{static_cast<float>(p.x + v * n.x), static_cast<float>(p.y + v * n.y)};
}

std::vector<OffsetPoint> DiagramReachPoints(const ViewerState& state,
                                            const std::vector<std::pair<int, mechanics::CurveLine>>& shown) {
  std::vector<OffsetPoint> points;
  points.reserve(shown.size() * mechanics::kSamples);
  for (const auto& [e, values] : shown) {
    const ElementDiagram unit{e, &values, 1.0};
    for (int k = 1; k <= mechanics::kSamples; ++k) {
      const WorldPoint a = AxisPoint(state, e, k), b = CurvePoint(state, unit, k);
      points.push_back(OffsetPoint{a.x, a.y, static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y});
    }
  }
  return points;
}

void DrawElementStrips(Canvas& c, const ElementDiagram& d) {
  const int step = StripStep(c.viewer, d.element);
  PictureState& pic = c.picture;
  for (int k = 1; k < mechanics::kSamples; k += step) {
    pic.base_points[1] = AxisPoint(c.viewer, d.element, k);
    pic.base_points[2] = AxisPoint(c.viewer, d.element, k + step);
    pic.curve_points[1] = CurvePoint(c.viewer, d, k);
    pic.curve_points[2] = CurvePoint(c.viewer, d, k + step);
    DrawDiagramBar(c, (*d.values)(k), (*d.values)(k + step));
  }
  for (int k : {1, mechanics::kSamples}) {
    pic.curve_points[1] = AxisPoint(c.viewer, d.element, k);
    pic.curve_points[2] = CurvePoint(c.viewer, d, k);
    DrawCurve(c, 2, 2, true, false, c.scale());
  }
}

WorldPoint LabelPoint(const Canvas& c, const ElementDiagram& d, int k) {
  const int step = StripStep(c.viewer, d.element);
  const int k0 = StripStart(k, step);
  const WorldPoint a = CurvePoint(c.viewer, d, k0), b = CurvePoint(c.viewer, d, k0 + step);
  // Beyond the curve, on the side of the value, a fiftieth of the drawing's span.
  const double value = 0.5 * ((*d.values)(k0) + (*d.values)(k0 + step)) * d.scale;
  const WorldPoint n = Normal(c.viewer, d.element);
  const double out = (value < 0.0 ? -0.02 : 0.02) * Span(c.viewer);
  // A label at an end moves inwards, off the label of the next element at the same joint.
  const double length = c.viewer.elements[d.element].length();
  const double inward = k == 1 ? 1.0 : k == mechanics::kSamples ? -1.0 : 0.0;
  const double along = inward * std::min(0.05 * Span(c.viewer), 0.25 * length);
  const WorldPoint t = Direction(c.viewer, d.element);
  return WorldPoint{static_cast<float>(0.5 * (a.x + b.x) + out * n.x + along * t.x),
                    static_cast<float>(0.5 * (a.y + b.y) + out * n.y + along * t.y)};
}

double DiagramLabelAngle(const ViewerState& state, int e) {
  const WorldPoint a = AxisPoint(state, e, 1), b = AxisPoint(state, e, mechanics::kSamples);
  const double dx = static_cast<double>(b.x) - a.x, dz = static_cast<double>(b.y) - a.y;
  return LabelAngle(dx, dz, std::max(0.1, std::sqrt(dx * dx + dz * dz)));
}

void DrawDiagramLabel(Canvas& c, const ElementDiagram& d, int k, const std::string& text, LabelPositionTable* table,
                      int number, int kind_word) {
  if (text.empty()) return;
  WorldPoint p = LabelPoint(c, d, k);
  if (table != nullptr) {
    const LabelPosition placed = table->Place(number, p.x, p.y);
    p = WorldPoint{placed.x, placed.z};
  }
  DrawRotatedText(c, p.x, p.y, text, 0, DiagramLabelAngle(c.viewer, d.element), number, kind_word, true);
}

}  // namespace revuzavi
