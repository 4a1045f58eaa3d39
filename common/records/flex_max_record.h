#pragma once
// FlexMaxRecord: one equation of FLEXMAX, 12 bytes. FLEXMAX holds one record
// per equation (no count), from the largest diagonal entry of the inverse
// stiffness matrix to the smallest.
#include <cstdint>

#include "common/records/byte_record.h"

namespace common {

class FlexMaxRecord : public ByteRecord<12> {
 public:
  // The node of the equation.
  std::int32_t node() const { return At<std::int32_t, 0>(); }
  void set_node(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  std::int32_t equation() const { return At<std::int32_t, 4>(); }
  void set_equation(std::int32_t v) { SetAt<std::int32_t, 4>(v); }
  // The diagonal entry (equation, equation) of the inverse.
  float flexibility() const { return At<float, 8>(); }
  void set_flexibility(float v) { SetAt<float, 8>(v); }
};
static_assert(sizeof(FlexMaxRecord) == 12);

}  // namespace common
