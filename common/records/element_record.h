#pragma once
// ElementRecord: a straight beam element from end a to end b in the ELEMENTS
// table, 148 bytes.
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class ElementRecord : public ByteRecord<148> {
 public:
  // The numbers computed with: coordinates, direction terms, length and angle;
  // normal-force limits; stiffness factor, EA, EI.
  static constexpr NumberRun kNumberRuns[] = {{20, 14}, {88, 2}, {136, 3}};
  // Working flags: 0 in ELEMENTS; the results viewer marks a modified (0) and a
  // switched-off (4) element, and one whose own EA and EI hold (16).
  std::int32_t modified_flag() const { return At<std::int32_t, 0>(); }
  void set_modified_flag(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  std::int32_t switched_off_flag() const { return At<std::int32_t, 4>(); }
  void set_switched_off_flag(std::int32_t v) { SetAt<std::int32_t, 4>(v); }
  std::int32_t own_stiffness_flag() const { return At<std::int32_t, 16>(); }
  void set_own_stiffness_flag(std::int32_t v) { SetAt<std::int32_t, 16>(v); }

  float xa() const { return At<float, 20>(); }
  void set_xa(float v) { SetAt<float, 20>(v); }
  float ya() const { return At<float, 24>(); }
  void set_ya(float v) { SetAt<float, 24>(v); }
  float za() const { return At<float, 28>(); }
  void set_za(float v) { SetAt<float, 28>(v); }
  float xb() const { return At<float, 32>(); }
  void set_xb(float v) { SetAt<float, 32>(v); }
  float yb() const { return At<float, 36>(); }
  void set_yb(float v) { SetAt<float, 36>(v); }
  float zb() const { return At<float, 40>(); }
  void set_zb(float v) { SetAt<float, 40>(v); }

  // The left normal (-sin, cos) and the direction (cos, sin) of the element.
  float minus_sine() const { return At<float, 44>(); }
  void set_minus_sine(float v) { SetAt<float, 44>(v); }
  float normal_cosine() const { return At<float, 48>(); }
  void set_normal_cosine(float v) { SetAt<float, 48>(v); }
  float cosine() const { return At<float, 52>(); }
  void set_cosine(float v) { SetAt<float, 52>(v); }
  float sine() const { return At<float, 56>(); }
  void set_sine(float v) { SetAt<float, 56>(v); }
  float dx() const { return At<float, 60>(); }
  void set_dx(float v) { SetAt<float, 60>(v); }
  float dy() const { return At<float, 64>(); }
  void set_dy(float v) { SetAt<float, 64>(v); }
  float length() const { return At<float, 68>(); }
  void set_length(float v) { SetAt<float, 68>(v); }
  float angle() const { return At<float, 72>(); }
  void set_angle(float v) { SetAt<float, 72>(v); }
  // Smallest and largest normal force, kept by the results viewer.
  float min_normal_force() const { return At<float, 88>(); }
  void set_min_normal_force(float v) { SetAt<float, 88>(v); }
  float max_normal_force() const { return At<float, 92>(); }
  void set_max_normal_force(float v) { SetAt<float, 92>(v); }

  // Hinge flags: 0 rigid, 1 hinge.
  std::int16_t hinge_a() const { return At<std::int16_t, 104>(); }
  void set_hinge_a(std::int16_t v) { SetAt<std::int16_t, 104>(v); }
  std::int16_t hinge_b() const { return At<std::int16_t, 106>(); }
  void set_hinge_b(std::int16_t v) { SetAt<std::int16_t, 106>(v); }
  std::int16_t node_a() const { return At<std::int16_t, 108>(); }
  void set_node_a(std::int16_t v) { SetAt<std::int16_t, 108>(v); }
  std::int16_t node_b() const { return At<std::int16_t, 110>(); }
  void set_node_b(std::int16_t v) { SetAt<std::int16_t, 110>(v); }
  std::int16_t material() const { return At<std::int16_t, 112>(); }
  void set_material(std::int16_t v) { SetAt<std::int16_t, 112>(v); }
  std::int16_t cross_section() const { return At<std::int16_t, 114>(); }
  void set_cross_section(std::int16_t v) { SetAt<std::int16_t, 114>(v); }
  // Equation numbers k = 1..6: u, v, rotation at end a, then at end b.
  std::int16_t dof(int k) const { return Item<std::int16_t, 116, 6>(k); }
  void set_dof(int k, std::int16_t v) { SetItem<std::int16_t, 116, 6>(k, v); }
  // The element carries compression / tension (0 or 1; 1 for an ordinary member).
  std::int16_t compression_flag() const { return At<std::int16_t, 128>(); }
  void set_compression_flag(std::int16_t v) { SetAt<std::int16_t, 128>(v); }
  std::int16_t tension_flag() const { return At<std::int16_t, 130>(); }
  void set_tension_flag(std::int16_t v) { SetAt<std::int16_t, 130>(v); }
  // Stiffness factor k of an element modified by the reanalysis, -1 otherwise.
  float stiffness_factor() const { return At<float, 136>(); }
  void set_stiffness_factor(float v) { SetAt<float, 136>(v); }
  float ea() const { return At<float, 140>(); }
  void set_ea(float v) { SetAt<float, 140>(v); }
  float ei() const { return At<float, 144>(); }
  void set_ei(float v) { SetAt<float, 144>(v); }
};
static_assert(sizeof(ElementRecord) == 148);

}  // namespace common
