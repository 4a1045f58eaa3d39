#include "graphics/diagrams/force_diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "graphics/diagrams/diagram_strips.h"
#include "graphics/diagrams/element_curve_file.h"

namespace revuzavi {
namespace {

constexpr int kDiagramKindForces = 2;
// A normal force below a thousandth of a newton is the round-off of a bar
// without one: it does not count for the extremes.
constexpr double kNoForce = 1e-6;

mechanics::ElementCurves DiagramCurves(const ViewerState& state, const ViewState& view, int e,
                                       const DiagramOptions& o) {
  return PictureElementCurves(state, view, e, PictureCurveSwitches{o.loads && !o.green, o.green});
}

std::string Format(const char* fixed, const char* exponent, bool exponent_labels, double value) {
  char text[64];
  std::snprintf(text, sizeof text, exponent_labels ? exponent : fixed, value);
  return text;
}

// The sample of the first largest |value|, 0 when every value is 0.
int LargestMagnitude(const mechanics::CurveLine& v) {
  int at = 0;
  double largest = 0.0;
  for (int k = 1; k <= mechanics::kSamples; ++k) {
    if (std::fabs(v(k)) > largest) largest = std::fabs(v(k)), at = k;
  }
  return at;
}

// The label of the views' sample list, when the element has one.
void DrawListedLabel(Canvas& c, const ElementDiagram& d, const char* fixed, const char* exponent,
                     const DiagramOptions& o) {
  const std::vector<int>& list = c.view.label_samples;
  const auto e = static_cast<std::size_t>(d.element);
  if (e >= list.size() || list[e] < 1 || list[e] > mechanics::kSamples) return;
  DrawDiagramLabel(c, d, list[e], Format(fixed, exponent, o.exponent_labels, (*d.values)(list[e])), nullptr, 0,
                   c.picture.diagram_kind);
}

// Fits the scale once: the largest value of the first element that has one is
// drawn a tenth of the drawing's span away from its axis.
template <typename ValuesOf>
void FitScale(const Canvas& c, DiagramScale& scale, const DiagramOptions& o, ValuesOf values_of) {
  if (o.scale_fixed || scale.fitted) return;
  const common::DrawingExtents& x = c.viewer.extents;
  const double span = std::max(static_cast<double>(x.xmax()) - x.xmin(), static_cast<double>(x.zmax()) - x.zmin());
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (!ElementShown(c.viewer, c.view, e)) continue;
    const mechanics::CurveLine v = values_of(e);
    const int k = LargestMagnitude(v);
    if (k == 0) continue;
    scale.value = static_cast<float>(std::max(0.001, 0.1 * span / std::fabs(v(k))));
    scale.fitted = true;
    return;
  }
}

struct NormalExtremes {
  float smallest = 1e10f, largest = -1e10f;
};

NormalExtremes NormalExtremesOf(const mechanics::CurveLine& n) {
  NormalExtremes x;
  for (int k = 1; k <= mechanics::kSamples; ++k) {
    if (std::fabs(n(k)) < kNoForce) continue;
    const float v = static_cast<float>(n(k));
    x.smallest = std::min(x.smallest, v);
    x.largest = std::max(x.largest, v);
  }
  return x;
}

void StoreNormalExtremes(common::ElementRecord& element, const NormalExtremes& x) {
  element.set_min_normal_force(x.smallest);
  element.set_max_normal_force(x.largest);
}

using ShownLines = std::vector<std::pair<int, mechanics::CurveLine>>;

// The line of every element shown.
template <typename LineOf>
ShownLines LinesOfShown(const Canvas& c, LineOf line_of) {
  ShownLines lines;
  for (int e = 1; e <= c.viewer.elements.count(); ++e) {
    if (ElementShown(c.viewer, c.view, e)) lines.emplace_back(e, line_of(e));
  }
  return lines;
}

// The scale the lines are drawn with in a composed picture (FitCurveScale), kept in `scale` when fitted.
double DrawnScale(Canvas& c, const ShownLines& lines, double given, DiagramScale& scale) {
  const double drawn = FitCurveScale(c, DiagramReachPoints(c.viewer, lines), given);
  if (c.picture.fit.fitted) scale = DiagramScale{static_cast<float>(drawn), true};
  return drawn;
}

}  // namespace

void ComputeNormalForceCurves(ViewerState& state, const ViewState& view) {
  for (int e = 1; e <= state.elements.count(); ++e) {
    if (!ElementShown(state, view, e)) continue;
    StoreNormalExtremes(state.elements[e], NormalExtremesOf(DiagramCurves(state, view, e, DiagramOptions{}).n));
  }
}

int DrawNormalForceDiagram(Canvas& c, common::ElementTable& elements, DiagramScale& scale, const DiagramOptions& o) {
  c.picture.diagram_kind = kDiagramKindForces;
  DiagramOptions options = o;
  options.green = false;
  auto normal_force = [&](int e) { return DiagramCurves(c.viewer, c.view, e, options).n; };
  FitScale(c, scale, options, normal_force);
  const ShownLines lines = LinesOfShown(c, normal_force);
  const double drawn_scale = DrawnScale(c, lines, scale.value, scale);
  int drawn = 0;
  for (const auto& [e, n] : lines) {
    StoreNormalExtremes(elements[e], NormalExtremesOf(n));
    WriteElementCurveFile(c.viewer, 'N', e, n);
    const ElementDiagram d{e, &n, drawn_scale};
    DrawElementStrips(c, d);
    DrawListedLabel(c, d, "%.2lf kN", "%.2E kN", options);
    if (const int k = LargestMagnitude(n); k != 0 && std::fabs(n(k)) >= 0.01) {
      DrawDiagramLabel(c, d, k, Format("%.2lf", "%.2E", options.exponent_labels, n(k)),
                       &c.picture.labels.normal_force, e, c.picture.diagram_kind);
    }
    ++drawn;
  }
  return drawn;
}

int DrawMomentDiagram(Canvas& c, DiagramScale& scale, const DiagramOptions& o) {
  const bool extremes = c.viewer.print_scales.text_scale() != 0.0;
  const ShownLines lines = LinesOfShown(c, [&](int e) { return DiagramCurves(c.viewer, c.view, e, o).m; });
  const double drawn_scale = DrawnScale(c, lines, scale.value, scale);
  int drawn = 0;
  for (const auto& [e, m] : lines) {
    WriteElementCurveFile(c.viewer, 'M', e, m);
    const ElementDiagram d{e, &m, drawn_scale};
    DrawElementStrips(c, d);
    DrawListedLabel(c, d, "%.2lf kNm", "%.2E kNm", o);
    if (extremes) {
      int largest = 0, smallest = 0;
      for (int k = 1; k <= mechanics::kSamples; ++k) {
        if (m(k) > (largest == 0 ? 0.0 : m(largest))) largest = k;
        if (m(k) < (smallest == 0 ? 0.0 : m(smallest))) smallest = k;
      }
      int number = 2 * e - 1;
      for (int k : {largest, smallest}) {
        if (k != 0) {
          DrawDiagramLabel(c, d, k, Format("%.2lf kNm", "%.2E kNm", o.exponent_labels, m(k)), &c.picture.labels.moment,
                           number, c.picture.diagram_kind);
        }
        ++number;
      }
    }
    ++drawn;
  }
  return drawn;
}

int DrawShearDiagram(Canvas& c, DiagramScale& scale, const DiagramOptions& o) {
  const double bound = c.viewer.params.tolerance();
  const ShownLines lines = LinesOfShown(c, [&](int e) { return DiagramCurves(c.viewer, c.view, e, o).v; });
  // Below the frame's lower bound the shear is drawn unscaled.
  const double drawn_scale = DrawnScale(c, lines, scale.value > bound ? static_cast<double>(scale.value) : 1.0, scale);
  int drawn = 0;
  for (const auto& [e, v] : lines) {
    WriteElementCurveFile(c.viewer, 'S', e, v);
    const ElementDiagram d{e, &v, drawn_scale};
    DrawElementStrips(c, d);
    scale.value = static_cast<float>(std::max(static_cast<double>(scale.value), bound));
    DrawListedLabel(c, d, "%.2lf kN", "%.2E kN", o);
    if (const int k = LargestMagnitude(v); k != 0) {
      DrawDiagramLabel(c, d, k, Format("%.1lf kN", "%.2E kN", o.exponent_labels, v(k)), &c.picture.labels.shear, e,
                       c.picture.diagram_kind);
    }
    ++drawn;
  }
  return drawn;
}

int DrawEnergyBand(Canvas& c, common::ElementTable& elements, std::vector<float>& energies, DiagramScale& scale,
                   const DiagramOptions& o) {
  c.picture.diagram_kind = kDiagramKindForces;
  if (energies.empty()) return 0;
  if (energies[0] < 0.001f) energies[0] = 1.0f;
  // A band of constant height 100 times the element's energy.
  auto band = [&](int e) {
    mechanics::CurveLine line;
    const auto i = static_cast<std::size_t>(e);
    line.AddConstant(i < energies.size() ? 100.0 * energies[i] : 0.0);
    return line;
  };
  FitScale(c, scale, o, band);
  const ShownLines lines = LinesOfShown(c, band);
  const double drawn_scale = DrawnScale(c, lines, scale.value, scale);
  double sum = 0.0;
  int drawn = 0;
  for (const auto& [e, line] : lines) {
    StoreNormalExtremes(elements[e], NormalExtremes{});
    DrawElementStrips(c, ElementDiagram{e, &line, drawn_scale});
    sum += line(1) / 100.0;
    ++drawn;
  }
  energies[0] = static_cast<float>(sum);
  return drawn;
}

}  // namespace revuzavi
