#pragma once
// PrestressEntry: 8 bytes of the PRESTRESS file (after its int32 count).
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class PrestressEntry : public ByteRecord<8> {
 public:
  // The numbers computed with: the force.
  static constexpr NumberRun kNumberRuns[] = {{4, 1}};
  std::int32_t element() const { return At<std::int32_t, 0>(); }
  void set_element(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  // Prestressing force [kN].
  float force() const { return At<float, 4>(); }
  void set_force(float v) { SetAt<float, 4>(v); }
};
static_assert(sizeof(PrestressEntry) == 8);

}  // namespace common
