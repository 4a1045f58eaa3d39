#pragma once
// PointLoadRecord: a point load of SRC_L, 100 bytes; its note is a NoteRecord
// of SOUTXT.
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class PointLoadRecord : public ByteRecord<100> {
 public:
  // The numbers computed with: point, scaled copy, distance, value and components.
  static constexpr NumberRun kNumberRuns[] = {{0, 3}, {20, 1}, {36, 7}};
  enum Kind : std::uint8_t { kForce = 0, kMoment = 1, kKink = 2, kVerticalDislocation = 4, kHorizontalDislocation = 5 };
  enum Placement : std::int16_t { kAtNode = 1, kOnElement = 2 };

  // Point of application: x, y upward, and the user's vertical coordinate z.
  float x() const { return At<float, 0>(); }
  void set_x(float v) { SetAt<float, 0>(v); }
  float y() const { return At<float, 4>(); }
  void set_y(float v) { SetAt<float, 4>(v); }
  float z() const { return At<float, 8>(); }
  void set_z(float v) { SetAt<float, 8>(v); }
  // Scaled by the load-case copy, read by nobody.
  float copy_scaled_value() const { return At<float, 20>(); }
  void set_copy_scaled_value(float v) { SetAt<float, 20>(v); }
  // Distance from the element's start node [m].
  float distance() const { return At<float, 36>(); }
  void set_distance(float v) { SetAt<float, 36>(v); }
  // Force [kN], moment [kNm], kink or dislocation as entered.
  float value() const { return At<float, 40>(); }
  void set_value(float v) { SetAt<float, 40>(v); }
  float force_x() const { return At<float, 44>(); }
  void set_force_x(float v) { SetAt<float, 44>(v); }
  float force_y() const { return At<float, 48>(); }
  void set_force_y(float v) { SetAt<float, 48>(v); }
  // Components across and along the element axis.
  float force_normal() const { return At<float, 52>(); }
  void set_force_normal(float v) { SetAt<float, 52>(v); }
  float force_along() const { return At<float, 56>(); }
  void set_force_along(float v) { SetAt<float, 56>(v); }
  // Value of a moment, kink or dislocation.
  float kind_value() const { return At<float, 60>(); }
  void set_kind_value(float v) { SetAt<float, 60>(v); }
  std::uint8_t kind() const { return At<std::uint8_t, 76>(); }
  void set_kind(std::uint8_t v) { SetAt<std::uint8_t, 76>(v); }
  // 0 when the load acts on an element.
  std::int16_t node() const { return At<std::int16_t, 78>(); }
  void set_node(std::int16_t v) { SetAt<std::int16_t, 78>(v); }
  std::int16_t element() const { return At<std::int16_t, 82>(); }
  void set_element(std::int16_t v) { SetAt<std::int16_t, 82>(v); }
  // Position type and number of a release of the reanalysis; 0 for an ordinary load.
  std::int16_t release_position_type() const { return At<std::int16_t, 84>(); }
  void set_release_position_type(std::int16_t v) { SetAt<std::int16_t, 84>(v); }
  std::int16_t release_number() const { return At<std::int16_t, 86>(); }
  void set_release_number(std::int16_t v) { SetAt<std::int16_t, 86>(v); }
  std::int16_t placement() const { return At<std::int16_t, 94>(); }
  void set_placement(std::int16_t v) { SetAt<std::int16_t, 94>(v); }
  // 'X', 'Y', 'N', 'T', or '0' for a moment.
  char direction() const { return At<char, 96>(); }
  void set_direction(char v) { SetAt<char, 96>(v); }
};
static_assert(sizeof(PointLoadRecord) == 100);

}  // namespace common
