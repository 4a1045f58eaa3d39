#pragma once
// NodeRecord: a node of the NODES table, 204 bytes. Directions d are 1 (x),
// 2 (vertical) and 3 (rotation).
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class NodeRecord : public ByteRecord<204> {
 public:
  // The numbers computed with: point and support values.
  static constexpr NumberRun kNumberRuns[] = {{8, 9}};
  static constexpr int kMaxRotations = 21;
  static constexpr int kMaxElements = 10;

  // 1 when the support value of direction d is greater than 0.
  std::uint8_t support_flag(int d) const { return Item<std::uint8_t, 0, 3>(d); }
  void set_support_flag(int d, std::uint8_t v) { SetItem<std::uint8_t, 0, 3>(d, v); }
  // Marks of a support changed in the results viewer's reanalysis.
  std::uint8_t changed_support_mark(int d) const { return Item<std::uint8_t, 4, 3>(d); }
  void set_changed_support_mark(int d, std::uint8_t v) { SetItem<std::uint8_t, 4, 3>(d, v); }

  float x() const { return At<float, 8>(); }
  void set_x(float v) { SetAt<float, 8>(v); }
  // Upward coordinate: the vertical sign of FrameParams times z.
  float y() const { return At<float, 12>(); }
  void set_y(float v) { SetAt<float, 12>(v); }
  // The user's vertical coordinate.
  float z() const { return At<float, 16>(); }
  void set_z(float v) { SetAt<float, 16>(v); }
  // Support value of direction d: 0 free, 1 fixed, between 0 and 1 a spring.
  float support(int d) const { return Item<float, 20, 3>(d); }
  void set_support(int d, float v) { SetItem<float, 20, 3>(d, v); }
  // Change of the support value in the reanalysis (new minus old).
  float changed_support(int d) const { return Item<float, 32, 3>(d); }
  void set_changed_support(int d, float v) { SetItem<float, 32, 3>(d, v); }

  std::int16_t dof_u() const { return At<std::int16_t, 110>(); }
  void set_dof_u(std::int16_t v) { SetAt<std::int16_t, 110>(v); }
  std::int16_t dof_v() const { return At<std::int16_t, 112>(); }
  void set_dof_v(std::int16_t v) { SetAt<std::int16_t, 112>(v); }
  // Equation number of rotation k (1..21).
  std::int16_t rotation_dof(int k) const { return Item<std::int16_t, 116, kMaxRotations>(k); }
  void set_rotation_dof(int k, std::int16_t v) { SetItem<std::int16_t, 116, kMaxRotations>(k, v); }
  // Number of element ends found at the node.
  std::int16_t end_count() const { return At<std::int16_t, 158>(); }
  void set_end_count(std::int16_t v) { SetAt<std::int16_t, 158>(v); }
  // Element k (1..10) of the node's list, in the order found.
  std::int16_t element(int k) const { return Item<std::int16_t, 162, kMaxElements>(k); }
  void set_element(int k, std::int16_t v) { SetItem<std::int16_t, 162, kMaxElements>(k, v); }
  std::int16_t hinged_end_count() const { return At<std::int16_t, 182>(); }
  void set_hinged_end_count(std::int16_t v) { SetAt<std::int16_t, 182>(v); }
  // r, the number of rotation degrees of freedom.
  std::int16_t rotation_count() const { return At<std::int16_t, 184>(); }
  void set_rotation_count(std::int16_t v) { SetAt<std::int16_t, 184>(v); }
  // r + 2.
  std::int16_t dof_count() const { return At<std::int16_t, 186>(); }
  void set_dof_count(std::int16_t v) { SetAt<std::int16_t, 186>(v); }
  // The first two elements of the node's list (they orient the clamped-support symbol).
  std::int16_t first_element() const { return At<std::int16_t, 188>(); }
  void set_first_element(std::int16_t v) { SetAt<std::int16_t, 188>(v); }
  std::int16_t second_element() const { return At<std::int16_t, 190>(); }
  void set_second_element(std::int16_t v) { SetAt<std::int16_t, 190>(v); }
  std::int16_t number() const { return At<std::int16_t, 192>(); }
  void set_number(std::int16_t v) { SetAt<std::int16_t, 192>(v); }
  // 1 when more than two ends meet and their hinge flags differ.
  std::int16_t mixed_hinges() const { return At<std::int16_t, 194>(); }
  void set_mixed_hinges(std::int16_t v) { SetAt<std::int16_t, 194>(v); }
};
static_assert(sizeof(NodeRecord) == 204);

}  // namespace common
