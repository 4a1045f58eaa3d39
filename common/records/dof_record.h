#pragma once
// DofRecord: one equation of the frame in DOFSK, 12 bytes (three int32), and the
// table of all equations, 1-based by equation number. DOFSK has no count; the
// number of equations stands in FrameParams.
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/table.h"

namespace common {

// The capacity of the solver's vectors.
inline constexpr int kMaxEquations = 1000;

class DofRecord : public ByteRecord<12> {
 public:
  // Kinds of an equation.
  static constexpr std::int32_t kU = 1;
  static constexpr std::int32_t kV = 2;
  static constexpr std::int32_t kRotation = 3;

  std::int32_t node() const { return At<std::int32_t, 0>(); }
  void set_node(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  std::int32_t equation() const { return At<std::int32_t, 4>(); }
  void set_equation(std::int32_t v) { SetAt<std::int32_t, 4>(v); }
  // 1 u, 2 v, 3 rotation.
  std::int32_t kind() const { return At<std::int32_t, 8>(); }
  void set_kind(std::int32_t v) { SetAt<std::int32_t, 8>(v); }
};
static_assert(sizeof(DofRecord) == 12);

using DofTable = Table<DofRecord, kMaxEquations>;

}  // namespace common
