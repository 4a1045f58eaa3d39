#include "loads/picture/other_loads.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "loads/picture/labels.h"
#include "loads/picture/pens.h"
#include "loads/picture/structure.h"

namespace pundf::picture {
namespace {

std::string TemperatureText(double t, double delta_t) {
  const bool uniform = std::fabs(t) >= 0.01, difference = std::fabs(delta_t) >= 0.01;
  if (uniform && difference) return FormatText("T = %.2lf Delta T = %.2f", t, delta_t);
  if (uniform) return FormatText("T = %.2lf", t);
  return FormatText("Delta T = %.2f", delta_t);
}

std::string SettlementText(double u, double w, double phi) {
  std::string text;
  if (std::fabs(u) > 1e-5) text += FormatText("u = %.2lf mm", u * 1000.0);
  if (std::fabs(w) > 1e-5) text += FormatText("w = %.2lf mm", w * 1000.0);
  if (std::fabs(phi) > 1e-5) text += FormatText("Delta tan phi = %.2lf", phi);
  return text;
}

WorldPoint Middle(const ElementEnds& ends) { return {0.5 * (ends.a.x + ends.b.x), 0.5 * (ends.a.z + ends.b.z)}; }

}  // namespace

void DrawTemperatureLabels(Picture& picture) {
  const Geometry& g = picture.geometry();
  const auto& temperatures = picture.load_case().temperatures;
  const int count = std::min(g.element_count(), temperatures.count());
  for (int e = 1; e <= count; ++e) {
    const common::TemperatureLoadRecord& t = temperatures[e];
    if (t.loaded() == 0 || !std::isfinite(t.uniform_t()) || !std::isfinite(t.delta_t())) continue;
    LabelPosition& memory = picture.labels.temperature[e];
    if (memory.placed == 0) {
      const WorldPoint middle = Middle(EndsOf(g.elements[e]));
      memory.x = static_cast<float>(middle.x);
      memory.z = static_cast<float>(middle.z);
      memory.placed = 1;
    }
    DrawLoadLabel(picture, kTemperatureLabel, e, memory.x, memory.z, ElementTextAngle(picture, g.elements[e]),
                  TemperatureText(t.uniform_t(), t.delta_t()));
  }
}

void DrawSettlements(Picture& picture) {
  for (const common::NodeRefRecord& s : picture.load_case().settlements.used()) {
    if (s.settled() == 0 || !IsNode(picture.geometry(), s.node())) continue;
    const double u = s.settlement(1), w = s.settlement(2), phi = s.settlement(3);
    if (!std::isfinite(u) || !std::isfinite(w) || !std::isfinite(phi)) continue;
    const WorldPoint p = NodePoint(picture.geometry(), s.node());
    DrawNodeMarker(picture, p.x, p.z, kRedDot);
    DrawPointText(picture, SettlementText(u, w, phi), p.x, p.z - 0.3, 0.0);
  }
}

void DrawPrestress(Picture& picture) {
  SelectPen(picture.dc, kRedPen, picture.view.pen_width);
  for (const common::PrestressEntry& entry : picture.load_case().prestress.used()) {
    const int e = entry.element();
    if (!IsElement(picture.geometry(), e) || !std::isfinite(entry.force())) continue;
    const ElementEnds ends = EndsOf(picture.geometry().elements[e]);
    Line(picture, ends.a, ends.b);
    DrawPrestressLabel(picture, e, entry.force());
  }
  SelectPen(picture.dc, kBlackPen, 0);
}

void DrawPrestressLabel(Picture& picture, int element, double force) {
  const common::ElementRecord& record = picture.geometry().elements[element];
  const ElementEnds ends = EndsOf(record);
  double length = ends.Length();
  if (length < 0.1) length = 0.1;
  const double nx = -(ends.b.z - ends.a.z) / length, nz = (ends.b.x - ends.a.x) / length;
  const WorldPoint middle = Middle(ends);
  DrawTurnedText(picture, FormatText("%6.3E kN", force), middle.x + 0.03 * nx, middle.z + 0.03 * nz,
                 LabelFont(picture, ElementTextAngle(picture, record)));
}

}  // namespace pundf::picture
