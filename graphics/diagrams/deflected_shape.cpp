#include "graphics/diagrams/deflected_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "graphics/diagrams/node_resultants.h"
#include "graphics/fem/support_influence.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"
#include "mechanics/model/element_curves_of.h"

namespace revuzavi {
namespace {

// The smallest label value written; below it the label is empty.
constexpr double kSmallestLabel = 0.01;

// Entry `dof` of a vector, 0 for an equation it does not hold.
double EntryOf(const std::vector<double>& vector, int dof) {
  return dof >= 1 && static_cast<std::size_t>(dof) < vector.size() ? vector[static_cast<std::size_t>(dof)] : 0.0;
}

bool HasRotation(const common::NodeRecord& node, int dof) {
  for (int k = 1; k <= common::NodeRecord::kMaxRotations; ++k) {
    if (node.rotation_dof(k) == dof) return true;
  }
  return false;
}

// "f <dof> = <load vector entry>" below the node of the equation, towards the
// frame's middle: clear of the node's mark, its name and the unit force's arrow.
void DrawUnitDofLabel(Canvas& c, int dof) {
  const int n = NodeOfEquation(c.viewer, dof);
  if (n == 0) return;
  const common::NodeRecord& node = c.viewer.nodes[n];
  char text[96];
  std::snprintf(text, sizeof text, "f %i = %.2f", dof, EntryOf(c.viewer.right_hand_side, dof));
  double left = node.x(), right = node.x();
  for (int k = 1; k <= c.viewer.nodes.count(); ++k) {
    left = std::min(left, static_cast<double>(c.viewer.nodes[k].x()));
    right = std::max(right, static_cast<double>(c.viewer.nodes[k].x()));
  }
  const double h = LabelLineHeight(c);
  const double side = node.x() < 0.5 * (left + right) ? 1.0 : -1.0;
  DrawRotatedText(c, node.x() + side * (0.5 * LabelWidth(c, text) + 0.5 * h), node.z() - 1.2 * h, text, 0, 0.0, 0,
                  c.picture.diagram_kind, true);
}

// A plain label of a support shape: "%.2lf" ("%.2E"), empty up to 0.01.
std::string PlainLabel(double value, bool exponent_labels) {
  if (std::fabs(value) <= kSmallestLabel) return "";
  return FormatValue(exponent_labels ? "%.2E" : "%.2lf", value);
}

// Label `number` of the deflection table at its remembered place or (x, z).
void DrawNodeLabel(Canvas& c, int number, double x, double z, const std::string& text) {
  const LabelPosition at = c.picture.labels.deflection.Place(number, static_cast<float>(x), static_cast<float>(z));
  if (!text.empty()) DrawRotatedText(c, at.x, at.z, text, 0, 0.0, number, c.picture.diagram_kind, true);
}

void DrawRotationMark(Canvas& c, double x, double z, double r) {
  // Three quarters of a circle, counter-clockwise as seen, ending at 45 degrees.
  constexpr int kSteps = 24;
  constexpr double kPi = std::numbers::pi;
  std::vector<plat::Point> arc;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = kPi / 4 - 1.5 * kPi + 1.5 * kPi * i / kSteps;
    arc.push_back(plat::Point{c.Logical(x + r * std::cos(a)), c.Logical(z + r * std::sin(a))});
  }
  SelectPen(c, -6);
  c.dc.Polyline(arc);
  // The head at (x + 0.2121, z + 0.2121) of radius 0.3, along the turning direction.
  const double hx = x + r * std::cos(kPi / 4), hz = z + r * std::sin(kPi / 4);
  const double head = r * 2.0 / 3.0;
  for (double side : {1.0, -1.0}) {
    const double a = 3 * kPi / 4 + kPi + side * 0.4;  // back along the tangent, spread to both sides
    DrawLine(c, hx, hz, hx + head * std::cos(a), hz + head * std::sin(a));
  }
  SelectPen(c, 0);
}

}  // namespace

std::string DeflectionLabel(double value, bool axial, bool exponent_labels) {
  const double mm = value * 1000.0;
  if (std::fabs(mm) < kSmallestLabel) return "";
  if (axial) return FormatValue("%.2f", mm);
  return FormatValue(exponent_labels ? "%.2e" : "%.2lf", mm);
}

int DrawDeflectedShape(Canvas& c, const DeflectionOptions& o) {
  const PictureCurveSwitches switches{!o.without_loads, false};
  const ShapeLabelText label = [&o](double value, bool axial) {
    return DeflectionLabel(value, axial, o.exponent_labels);
  };
  const int drawn = DrawShapes(
      c, o.shape, [&](int e) { return PictureElementCurves(c.viewer, c.view, e, switches); },
      o.unit_dof > 0 || o.resultants ? ShapeLabelText{} : label);
  if (o.unit_dof > 0) {
    DrawUnitDofLabel(c, o.unit_dof);
  } else if (o.resultants) {
    DrawNodeResultants(c, c.picture.fit.scale, o.exponent_labels);
  }
  return drawn;
}

std::string GreenCurveLabel(double value, int kind, const GreenCurveOptions& o) {
  if (o.label_unit == 3) {
    const double mm = value * 1000.0;
    if (std::fabs(mm) <= kSmallestLabel) return "";
    return FormatValue(o.exponent_labels ? "%.2e" : "%.2f", mm);
  }
  if (o.exponent_labels) return std::fabs(value) <= kSmallestLabel ? "" : FormatValue("%.2e", value);
  if (kind == GreenPoint::kRotation) return FormatValue("%.5f", value);
  return std::fabs(value) <= kSmallestLabel ? "" : FormatValue("%.2f", value);
}

mechanics::ElementCurves GreenElementCurves(const ViewerState& state, const ViewState& view, int e, bool at_point) {
  mechanics::CurveSwitches s;
  s.loads = false;
  s.modified_stiffness = view.reanalysis_mode;
  if (view.green.element == e) {
    // The middle case is the point case at the middle: the end part stays as it is.
    const bool middle = !at_point && view.green.kind != GreenPoint::kU;
    const double position = middle ? 0.5 * state.elements[e].length() : view.green.position;
    s.dislocation = mechanics::GreenDislocation(view.green.kind, position, s.unit_dislocation);
  }
  return mechanics::ComposeElementCurves(CurveModelOf(state), e, s);
}

int DrawGreenFunctionCurve(Canvas& c, const GreenCurveOptions& o) {
  const int kind = c.view.green.kind;
  ShapeOptions shape = o.shape;
  shape.curve_files = false;  // the files hold the load case's curves
  return DrawShapes(
      c, shape, [&](int e) { return GreenElementCurves(c.viewer, c.view, e, o.at_point); },
      [&](double value, bool) { return GreenCurveLabel(value, kind, o); });
}

int NodeOfEquation(const ViewerState& state, int dof) {
  if (dof < 1) return 0;
  for (int n = 1; n <= state.nodes.count(); ++n) {
    const common::NodeRecord& node = state.nodes[n];
    if (node.dof_u() == dof || node.dof_v() == dof || HasRotation(node, dof)) return n;
  }
  return 0;
}

int DrawSupportDofShape(Canvas& c, const SupportShapeOptions& o) {
  const PictureCurveSwitches bare{false, false};
  const auto curves = [&](int e) { return PictureElementCurves(c.viewer, c.view, e, bare); };
  ShapeOptions shape = o.shape;
  shape.curve_files = false;  // the files hold the load case's curves
  const int drawn = DrawShapes(c, shape, curves, ShapeLabelText{});
  shape.scale = c.picture.fit.scale;  // as drawn
  if (o.arrows) {
    for (int e = 1; e <= c.viewer.elements.count(); ++e) {
      if (!ElementShown(c.viewer, c.view, e)) continue;
      const mechanics::ElementCurves curve = curves(e);
      const ShapePoints p = ShapeOf(c, e, curve.u, curve.w, shape);
      const WorldPoint from = p.axis[0], to = p.Drawn(1);
      DrawArrow(c, from.x, from.y, to.x, to.y);
    }
  }
  const std::vector<double>& d = c.viewer.displacements;
  const double sigma = VerticalSign(c.viewer), scale = shape.scale;
  if (o.shape.horizontal_only || o.shape.vertical_only) {
    for (int n = 1; n <= c.viewer.nodes.count(); ++n) {
      const common::NodeRecord& node = c.viewer.nodes[n];
      const double ux = EntryOf(d, node.dof_u()), uy = EntryOf(d, node.dof_v());
      if (o.shape.horizontal_only) {
        DrawNodeLabel(c, n, node.x() + ux * scale, node.z(), PlainLabel(ux, o.exponent_labels));
      } else {
        DrawNodeLabel(c, n, node.x(), node.z() + sigma * uy * scale, PlainLabel(uy, o.exponent_labels));
      }
    }
    return drawn;
  }
  const int index = o.support_index;
  if (index < 1 || static_cast<std::size_t>(index) > c.viewer.support_dofs.size()) return drawn;
  const SupportDof& entry = c.viewer.support_dofs[static_cast<std::size_t>(index - 1)];
  if (entry.node < 1 || entry.node > c.viewer.nodes.count()) return drawn;
  const common::NodeRecord& node = c.viewer.nodes[entry.node];
  const double ux = EntryOf(d, node.dof_u()), uy = EntryOf(d, node.dof_v());
  DrawNodeLabel(c, 1, node.x() + ux * scale, node.z() + sigma * uy * scale + 0.1,
                SupportMovedLabel(c.viewer, entry));
  return drawn;
}

void DrawUnitDisplacementMarker(Canvas& c, int node, int dof, double size, int label_number) {
  if (node < 1 || node > c.viewer.nodes.count()) return;
  if (!(std::fabs(size) >= c.viewer.params.tolerance())) size = 1.0;
  const common::NodeRecord& n = c.viewer.nodes[node];
  const bool along_x = dof >= 1 && dof == n.dof_u(), along_z = dof >= 1 && dof == n.dof_v();
  const bool rotation = dof >= 1 && HasRotation(n, dof);
  if (!along_x && !along_z && !rotation) return;
  const double x = n.x(), z = n.z(), l = 0.3 * size;
  DrawNodeMark(c, 0, x, z);
  double tx = x + l, tz = z + l;
  if (along_x) {
    tz = z;
    DrawArrow(c, x, z, tx, tz);
  } else if (along_z) {
    tx = x, tz = z - l;
    DrawArrow(c, x, z, tx, tz);
  } else {
    DrawRotationMark(c, x, z, l);
  }
  DrawValueText(c, tx, tz, std::to_string(label_number - 1), 0, 1.0, 0.0);
}

}  // namespace revuzavi
