#pragma once
// TemperatureLoadRecord: 16 bytes per element in TEMPELEMENTS.
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class TemperatureLoadRecord : public ByteRecord<16> {
 public:
  // The numbers computed with: T, delta T, alpha T.
  static constexpr NumberRun kNumberRuns[] = {{0, 3}};
  // Uniform temperature change [K].
  float uniform_t() const { return At<float, 0>(); }
  void set_uniform_t(float v) { SetAt<float, 0>(v); }
  // Difference between the faces [K].
  float delta_t() const { return At<float, 4>(); }
  void set_delta_t(float v) { SetAt<float, 4>(v); }
  float alpha_t() const { return At<float, 8>(); }
  void set_alpha_t(float v) { SetAt<float, 8>(v); }
  // 1 when the element carries a temperature load.
  std::int32_t loaded() const { return At<std::int32_t, 12>(); }
  void set_loaded(std::int32_t v) { SetAt<std::int32_t, 12>(v); }
};
static_assert(sizeof(TemperatureLoadRecord) == 16);

}  // namespace common
