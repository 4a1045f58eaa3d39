#pragma once
// LineLoadRecord: a line load of LLOAD, 372 bytes; its note is a NoteRecord of
// LLTXT. The six-value blocks hold Fx, Fy, M at the start node, then at the end
// node, as entries k = 1..6.
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class LineLoadRecord : public ByteRecord<372> {
 public:
  // The numbers computed with: points, stretch and values; the equivalent forces and the linear components.
  static constexpr NumberRun kNumberRuns[] = {{0, 14}, {168, 32}};
  // Start and end of the loaded stretch: x, y upward, the user's z.
  float x1() const { return At<float, 0>(); }
  void set_x1(float v) { SetAt<float, 0>(v); }
  float y1() const { return At<float, 4>(); }
  void set_y1(float v) { SetAt<float, 4>(v); }
  float z1() const { return At<float, 8>(); }
  void set_z1(float v) { SetAt<float, 8>(v); }
  float x2() const { return At<float, 12>(); }
  void set_x2(float v) { SetAt<float, 12>(v); }
  float y2() const { return At<float, 16>(); }
  void set_y2(float v) { SetAt<float, 16>(v); }
  float z2() const { return At<float, 20>(); }
  void set_z2(float v) { SetAt<float, 20>(v); }
  // Start and end of the stretch from the element's start node [m].
  float xa() const { return At<float, 24>(); }
  void set_xa(float v) { SetAt<float, 24>(v); }
  float xb() const { return At<float, 28>(); }
  void set_xb(float v) { SetAt<float, 28>(v); }
  // Load values A (start) and B (end) [kN/m] with their components along and
  // across the element axis.
  float value_a() const { return At<float, 32>(); }
  void set_value_a(float v) { SetAt<float, 32>(v); }
  float along_a() const { return At<float, 36>(); }
  void set_along_a(float v) { SetAt<float, 36>(v); }
  float normal_a() const { return At<float, 40>(); }
  void set_normal_a(float v) { SetAt<float, 40>(v); }
  float value_b() const { return At<float, 44>(); }
  void set_value_b(float v) { SetAt<float, 44>(v); }
  float along_b() const { return At<float, 48>(); }
  void set_along_b(float v) { SetAt<float, 48>(v); }
  float normal_b() const { return At<float, 52>(); }
  void set_normal_b(float v) { SetAt<float, 52>(v); }

  std::int16_t element() const { return At<std::int16_t, 152>(); }
  void set_element(std::int16_t v) { SetAt<std::int16_t, 152>(v); }
  std::int16_t field_158() const { return At<std::int16_t, 158>(); }
  void set_field_158(std::int16_t v) { SetAt<std::int16_t, 158>(v); }
  // 'X'/'x', 'Y'/'y', 'T' or 'N'.
  char direction() const { return At<char, 166>(); }
  void set_direction(char v) { SetAt<char, 166>(v); }

  // Equivalent nodal forces in global axes, two copies, the negated copy, and
  // the forces in element axes.
  float global_force(int k) const { return Item<float, 168, 6>(k); }
  void set_global_force(int k, float v) { SetItem<float, 168, 6>(k, v); }
  float global_force_copy(int k) const { return Item<float, 192, 6>(k); }
  void set_global_force_copy(int k, float v) { SetItem<float, 192, 6>(k, v); }
  float negated_force(int k) const { return Item<float, 216, 6>(k); }
  void set_negated_force(int k, float v) { SetItem<float, 216, 6>(k, v); }
  float element_force(int k) const { return Item<float, 240, 6>(k); }
  void set_element_force(int k, float v) { SetItem<float, 240, 6>(k, v); }

  float normal_resultant() const { return At<float, 264>(); }
  void set_normal_resultant(float v) { SetAt<float, 264>(v); }
  float axial_resultant() const { return At<float, 268>(); }
  void set_axial_resultant(float v) { SetAt<float, 268>(v); }
  // The normal and axial components as linear functions from the start node.
  float normal_at_start() const { return At<float, 272>(); }
  void set_normal_at_start(float v) { SetAt<float, 272>(v); }
  float normal_slope() const { return At<float, 276>(); }
  void set_normal_slope(float v) { SetAt<float, 276>(v); }
  float axial_at_start() const { return At<float, 280>(); }
  void set_axial_at_start(float v) { SetAt<float, 280>(v); }
  float axial_slope() const { return At<float, 284>(); }
  void set_axial_slope(float v) { SetAt<float, 284>(v); }
  // Positions of the resultants from the start node [m].
  float normal_resultant_position() const { return At<float, 288>(); }
  void set_normal_resultant_position(float v) { SetAt<float, 288>(v); }
  float axial_resultant_position() const { return At<float, 292>(); }
  void set_axial_resultant_position(float v) { SetAt<float, 292>(v); }

  std::int16_t start_node() const { return At<std::int16_t, 360>(); }
  void set_start_node(std::int16_t v) { SetAt<std::int16_t, 360>(v); }
  std::int16_t end_node() const { return At<std::int16_t, 362>(); }
  void set_end_node(std::int16_t v) { SetAt<std::int16_t, 362>(v); }
  // 1 when the load covers the whole element (xa, xb unused).
  std::uint8_t whole_element() const { return At<std::uint8_t, 370>(); }
  void set_whole_element(std::uint8_t v) { SetAt<std::uint8_t, 370>(v); }
  // 1 for a generated gravity load, 0 for a user load.
  std::uint8_t generated() const { return At<std::uint8_t, 371>(); }
  void set_generated(std::uint8_t v) { SetAt<std::uint8_t, 371>(v); }
};
static_assert(sizeof(LineLoadRecord) == 372);

}  // namespace common
