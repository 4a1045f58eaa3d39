#pragma once
// SolverJob: the BATCH block, 1820 bytes, the load cases of one solver run.
// Entry k has its load-case byte at 2 + k and its step byte at 102 + k.
// Writers write 1..99 entries; the solver reads up to 100.
#include <cstdint>

#include "common/records/byte_record.h"

namespace common {

class SolverJob : public ByteRecord<1820> {
 public:
  static constexpr int kMaxWrittenEntries = 99;
  static constexpr int kMaxReadEntries = 100;

  // A file may claim any value: check it with has_valid_count() before use.
  std::int16_t count() const { return At<std::int16_t, 0>(); }
  void set_count(std::int16_t v) { SetAt<std::int16_t, 0>(v); }
  bool has_valid_count() const { return count() >= 0 && count() <= kMaxReadEntries; }

  std::uint8_t load_case(int k) const { return Item<std::uint8_t, 3, kMaxReadEntries>(k); }
  void set_load_case(int k, std::uint8_t v) { SetItem<std::uint8_t, 3, kMaxReadEntries>(k, v); }
  // Written as 0: the entry is computed once.
  std::uint8_t step(int k) const { return Item<std::uint8_t, 103, kMaxReadEntries>(k); }
  void set_step(int k, std::uint8_t v) { SetItem<std::uint8_t, 103, kMaxReadEntries>(k, v); }
};
static_assert(sizeof(SolverJob) == 1820);

}  // namespace common
