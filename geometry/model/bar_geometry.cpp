#include "geometry/model/bar_geometry.h"

#include <cmath>
#include <numbers>

namespace kelmf {
namespace {

// Exchanges everything that belongs to an end of the element.
void SwapEnds(common::ElementRecord& e) {
  const float xa = e.xa(), ya = e.ya(), za = e.za();
  e.set_xa(e.xb());
  e.set_ya(e.yb());
  e.set_za(e.zb());
  e.set_xb(xa);
  e.set_yb(ya);
  e.set_zb(za);
  const std::int16_t hinge_a = e.hinge_a();
  e.set_hinge_a(e.hinge_b());
  e.set_hinge_b(hinge_a);
  const std::int16_t node_a = e.node_a();
  e.set_node_a(e.node_b());
  e.set_node_b(node_a);
  for (int k = 1; k <= 3; ++k) {
    const std::int16_t dof_a = e.dof(k);
    e.set_dof(k, e.dof(k + 3));
    e.set_dof(k + 3, dof_a);
  }
}

}  // namespace

BarGeometry ComputeBarGeometry(double xa, double ya, double xb, double yb, std::uint8_t angle_convention) {
  BarGeometry g;
  g.dx = xb - xa;
  g.dy = yb - ya;
  g.length = std::sqrt(g.dx * g.dx + g.dy * g.dy);
  if (g.length > 1e-6) {
    g.cosine = g.dx / g.length;
    g.sine = g.dy / g.length;
    g.result = 1;
  }
  if (std::fabs(g.sine) < 0.01) {
    g.angle = 0.0;
  } else if (std::fabs(g.cosine) < 0.01) {
    g.angle = std::numbers::pi / 2.0;
  } else {
    g.angle = std::atan2(g.sine, g.cosine);
  }
  if (angle_convention == 0) g.angle += std::numbers::pi;
  return g;
}

void ComputeElementGeometry(common::ElementRecord& element, const common::FrameParams& params) {
  const std::uint8_t convention = params.angle_convention();
  BarGeometry g = ComputeBarGeometry(element.xa(), element.ya(), element.xb(), element.yb(), convention);
  if (g.cosine < 0.0) {
    SwapEnds(element);
    g = ComputeBarGeometry(element.xa(), element.ya(), element.xb(), element.yb(), convention);
  }
  element.set_dx(static_cast<float>(g.dx));
  element.set_dy(static_cast<float>(g.dy));
  element.set_length(static_cast<float>(g.length));
  element.set_cosine(static_cast<float>(g.cosine));
  element.set_sine(static_cast<float>(g.sine));
  element.set_minus_sine(static_cast<float>(-g.sine));
  element.set_normal_cosine(static_cast<float>(g.cosine));
  element.set_angle(static_cast<float>(g.angle));
}

void ComputeElementGeometry(FrameModel& model) {
  for (common::ElementRecord& element : model.elements.used()) ComputeElementGeometry(element, model.params);
}

}  // namespace kelmf
