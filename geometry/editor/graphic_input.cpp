#include "geometry/editor/graphic_input.h"

#include <algorithm>
#include <cmath>

#include "geometry/generators/snap.h"
#include "geometry/model/element_checks.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/model/ordinary_element.h"

namespace kelmf {
namespace {

constexpr double kMinFactor = 1e-3;
constexpr double kMaxFactor = 1e3;

}  // namespace

double SnapToGrid(double v, double mesh, double radius) {
  if (!(mesh > 0.0)) return v;
  const double q = std::floor(v / mesh) * mesh;
  double snapped = v;
  if (v - q < radius) snapped = q;
  if (q + mesh - v < radius) snapped = q + mesh;
  return snapped;
}

plat::PointD SnapClick(const FrameModel& model, const ViewState& view, plat::PointD click) {
  ClickPoint p{static_cast<float>(click.x), static_cast<float>(click.y)};
  if (SnapToElementEnd(model, static_cast<float>(view.picking_tolerance), p) > 0) return plat::PointD{p.x, p.z};
  if (!view.grid_tool) return click;
  return plat::PointD{SnapToGrid(click.x, view.mesh_width, view.snap_radius),
                      SnapToGrid(click.y, view.mesh_width, view.snap_radius)};
}

DrawnElement AddDrawnElement(FrameModel& model, plat::PointD a, plat::PointD b) {
  const float xa = static_cast<float>(a.x);
  const float za = static_cast<float>(a.y);
  const float xb = static_cast<float>(b.x);
  const float zb = static_cast<float>(b.y);
  if (!CheckElementLength(model.elements.count() + 1, xa, za, xb, zb)) return DrawnElement::kNoLength;
  if (model.elements.full()) return DrawnElement::kTableFull;
  model.elements.Append(OrdinaryElement(xa, za, xb, zb));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.editor.model_changed = true;
  return DrawnElement::kAdded;
}

common::Result DeleteElement(FrameModel& model, const common::Position& position, int n) {
  if (!model.elements.Erase(n)) return common::Result::Ok();
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.editor.model_changed = true;
  // The files are written through a ModelFileWriter: they hold another frame
  // now, and the stored geometry goes before the first of them.
  return RebuildNodes(model, position);
}

plat::Point ConstrainOrthogonal(plat::Point anchor, plat::Point mouse) {
  const long long dx = mouse.x - anchor.x;
  const long long dy = mouse.y - anchor.y;
  if (dx * dx <= dy * dy) return plat::Point{anchor.x, mouse.y};
  return plat::Point{mouse.x, anchor.y};
}

double BoundFactor(double factor) {
  if (!std::isfinite(factor)) return 1.0;
  return std::clamp(factor, kMinFactor, kMaxFactor);
}

}  // namespace kelmf
