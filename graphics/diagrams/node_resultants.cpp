#include "graphics/diagrams/node_resultants.h"

#include <cmath>

#include "graphics/diagrams/shape_drawing.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

// Displacement of equation q, 0 for none.
double Displacement(const ViewerState& s, int q) {
  if (q < 1 || q > s.equation_count() || static_cast<std::size_t>(q) >= s.displacements.size()) return 0.0;
  return s.displacements[static_cast<std::size_t>(q)];
}

}  // namespace

std::string ResultantLabel(double u, double v, bool exponent_labels) {
  const double mm = std::hypot(u, v) * 1000.0;
  if (!(mm >= 0.01)) return "";
  return "R = " + FormatValue(exponent_labels ? "%.2e" : "%.2f", mm);
}

int DrawNodeResultants(Canvas& c, double scale, bool exponent_labels) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  const double above = 0.1 + LabelLineHeight(c);  // over the node's own label
  int drawn = 0;
  for (int n = 1; n <= s.nodes.count() && kFirstResultantLabel + n <= 1000; ++n) {
    const common::NodeRecord& node = s.nodes[n];
    if (node.dof_u() < 1 && node.dof_v() < 1) continue;
    const double u = Displacement(s, node.dof_u()), v = Displacement(s, node.dof_v());
    const std::string text = ResultantLabel(u, v, exponent_labels);
    const double x = node.x() + u * scale + 0.1, z = sigma * (node.y() + v * scale) + above;
    const LabelPosition at =
        c.picture.labels.deflection.Place(kFirstResultantLabel + n, static_cast<float>(x), static_cast<float>(z));
    if (text.empty()) continue;
    DrawRotatedText(c, at.x, at.z, text, kBlueText, 0.0, kFirstResultantLabel + n, c.picture.diagram_kind, false);
    ++drawn;
  }
  return drawn;
}

}  // namespace revuzavi
