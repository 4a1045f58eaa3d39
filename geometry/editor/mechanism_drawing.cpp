// The mechanism found by the model check: its moving nodes, the displaced
// elements and the poles of the elements.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geometry/editor/drawing_parts.h"

namespace kelmf::drawing {
namespace {

const plat::Brush kRed = plat::Brush::Solid(plat::Rgb(255, 0, 0));

double Entry(const mechanics::Vector& mechanism, int dof) {
  return dof >= 1 && dof <= mechanism.size() ? mechanism[dof] : 0.0;
}

bool Moves(const common::NodeRecord& n, int column) {
  if (n.dof_u() == column || n.dof_v() == column) return true;
  const int rotations = std::min<int>(n.rotation_count(), common::NodeRecord::kMaxRotations);
  for (int r = 1; r <= rotations; ++r) {
    if (n.rotation_dof(r) == column) return true;
  }
  return false;
}

// The displacement (u, v) of a node along the records' x and y; y points
// down, so the drawn point moves by -v in z.
plat::PointD NodeDisplacement(const FrameModel& model, int node) {
  if (node < 1 || node > model.nodes.count()) return {0.0, 0.0};
  const common::NodeRecord& n = model.nodes[node];
  return {Entry(model.kinematics.mechanism, n.dof_u()), Entry(model.kinematics.mechanism, n.dof_v())};
}

void DrawDisplacedElements(Picture& p, const FrameModel& model) {
  const double m = p.canvas.view.mechanism_factor * p.canvas.view.mechanism_sign;
  for (const common::ElementRecord& e : model.elements.used()) {
    const plat::PointD a = NodeDisplacement(model, e.node_a());
    const plat::PointD b = NodeDisplacement(model, e.node_b());
    const double moved = std::fabs(m * a.x) + std::fabs(m * a.y) + std::fabs(m * b.x) + std::fabs(m * b.y);
    if (moved < 0.01) continue;
    const double xa = e.xa() + m * a.x;
    const double za = e.za() - m * a.y;
    const double xb = e.xb() + m * b.x;
    const double zb = e.zb() - m * b.y;
    Arrow(p, e.xa(), e.za(), xa, za);
    Arrow(p, e.xb(), e.zb(), xb, zb);
    const bool circles = p.canvas.view.end_circles;
    p.canvas.view.end_circles = false;
    DrawWorldLine(p.canvas, xa, za, xb, zb);
    p.canvas.view.end_circles = circles;
  }
}

void DrawPoles(Picture& p, const FrameModel& model) {
  const PoleTable& poles = model.kinematics.poles;
  const int count = std::min(poles.count(), model.elements.count());
  std::vector<bool> merged(static_cast<std::size_t>(count) + 1, false);
  const double offset = p.label_gap;
  for (int i = 1; i <= count; ++i) {
    const Pole& pole = poles[i];
    if (merged[i] || pole.at_infinity) continue;  // a pole at infinity has no place
    std::string label = "Pole " + std::to_string(i);
    for (int j = i + 1; j <= count; ++j) {
      const Pole& other = poles[j];
      if (merged[j] || other.at_infinity) continue;
      if (std::fabs(double(other.x) - pole.x) + std::fabs(double(other.z) - pole.z) > 0.1) continue;
      merged[j] = true;
      label += ", " + std::to_string(j);
    }
    FilledCircle(p, pole.x, pole.z, 3 * p.s5, kRed);
    DrawWorldText(p.canvas, label, pole.x + 2.0 * offset, pole.z + offset, 0.0);
  }
}

}  // namespace

void DrawMechanism(Picture& p, const FrameModel& model) {
  const int column = model.kinematics.column;
  p.canvas.dc.SelectPen(p.pens.red);
  for (const common::NodeRecord& n : model.nodes.used()) {
    if (Moves(n, column)) FilledCircle(p, n.x(), n.z(), 3 * p.s5, kRed);
  }
  DrawDisplacedElements(p, model);
  DrawPoles(p, model);
  p.canvas.dc.SelectPen(p.pens.thin);
}

}  // namespace kelmf::drawing
