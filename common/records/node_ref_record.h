#pragma once
// NodeRefRecord, 32 bytes: a support of the geometry (LKNOTENR) and, in the
// per-load-case copy, the settlement of that support. Directions d are 1 (x),
// 2 (vertical) and 3 (rotation).
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class NodeRefRecord : public ByteRecord<32> {
 public:
  // The numbers computed with: settlements and support values.
  static constexpr NumberRun kNumberRuns[] = {{4, 6}};
  std::int16_t node() const { return At<std::int16_t, 0>(); }
  void set_node(std::int16_t v) { SetAt<std::int16_t, 0>(v); }

  // Settlements of a load case: u [m], v [m], phi [rad, as a tangent].
  float settlement(int d) const { return Item<float, 4, 3>(d); }
  void set_settlement(int d, float v) { SetItem<float, 4, 3>(d, v); }
  // Support value of direction d, meaningful when its flag is set.
  float support(int d) const { return Item<float, 16, 3>(d); }
  void set_support(int d, float v) { SetItem<float, 16, 3>(d, v); }
  // 1 when direction d is supported.
  std::uint8_t support_flag(int d) const { return Item<std::uint8_t, 28, 3>(d); }
  void set_support_flag(int d, std::uint8_t v) { SetItem<std::uint8_t, 28, 3>(d, v); }
  // 1 when this support is settled in the load case.
  std::uint8_t settled() const { return At<std::uint8_t, 31>(); }
  void set_settled(std::uint8_t v) { SetAt<std::uint8_t, 31>(v); }
};
static_assert(sizeof(NodeRefRecord) == 32);

}  // namespace common
