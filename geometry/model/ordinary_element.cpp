#include "geometry/model/ordinary_element.h"

namespace kelmf {

common::ElementRecord OrdinaryElement(float xa, float za, float xb, float zb) {
  common::ElementRecord e;
  e.set_xa(xa);
  e.set_ya(0.0f - za);
  e.set_za(za);
  e.set_xb(xb);
  e.set_yb(0.0f - zb);
  e.set_zb(zb);
  e.set_material(1);
  e.set_cross_section(1);
  e.set_compression_flag(1);
  e.set_tension_flag(1);
  e.set_hinge_a(0);
  e.set_hinge_b(0);
  return e;
}

}  // namespace kelmf
