#pragma once
// CrossSectionRecord (CROSS, 140 bytes) and MaterialRecord (MATR, 112 bytes).
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/number_runs.h"

namespace common {

class CrossSectionRecord : public ByteRecord<140> {
 public:
  // The numbers computed with: b, h; I, A and the further value.
  static constexpr NumberRun kNumberRuns[] = {{84, 2}, {96, 3}};
  float width() const { return At<float, 84>(); }
  void set_width(float v) { SetAt<float, 84>(v); }
  float height() const { return At<float, 88>(); }
  void set_height(float v) { SetAt<float, 88>(v); }
  // Second moment of area I [m4].
  float inertia() const { return At<float, 96>(); }
  void set_inertia(float v) { SetAt<float, 96>(v); }
  // Area A [m2].
  float area() const { return At<float, 100>(); }
  void set_area(float v) { SetAt<float, 100>(v); }
  // Further section value, 50000.0 in the default section.
  float further_value() const { return At<float, 104>(); }
  void set_further_value(float v) { SetAt<float, 104>(v); }
  std::int16_t number() const { return At<std::int16_t, 132>(); }
  void set_number(std::int16_t v) { SetAt<std::int16_t, 132>(v); }
};
static_assert(sizeof(CrossSectionRecord) == 140);

class MaterialRecord : public ByteRecord<112> {
 public:
  // The numbers computed with: E and the second value.
  static constexpr NumberRun kNumberRuns[] = {{84, 2}};
  // Modulus of elasticity E [kN/m2].
  float modulus() const { return At<float, 84>(); }
  void set_modulus(float v) { SetAt<float, 84>(v); }
  // Second material value, shown beside E.
  float second_value() const { return At<float, 88>(); }
  void set_second_value(float v) { SetAt<float, 88>(v); }
  std::int16_t number() const { return At<std::int16_t, 104>(); }
  void set_number(std::int16_t v) { SetAt<std::int16_t, 104>(v); }
};
static_assert(sizeof(MaterialRecord) == 112);

}  // namespace common
