#pragma once
// LoadCaseDiary: the DIARY block, 4836 bytes, the directory of a position's
// load cases. Entries k = 1..99 are in the order of their first store.
#include <cstdint>

#include "common/records/byte_record.h"

namespace common {

class LoadCaseDiary : public ByteRecord<4836> {
 public:
  static constexpr int kMaxEntries = 99;

  // n, the number of stored load cases; a file may claim any value, so
  // check it with has_valid_count() before use.
  std::int16_t count() const { return At<std::int16_t, 0>(); }
  void set_count(std::int16_t v) { SetAt<std::int16_t, 0>(v); }
  bool has_valid_count() const { return count() >= 0 && count() <= kMaxEntries; }

  // The load-case number of entry k.
  std::int16_t load_case(int k) const { return Item<std::int16_t, 4, kMaxEntries>(k); }
  void set_load_case(int k, std::int16_t v) { SetItem<std::int16_t, 4, kMaxEntries>(k, v); }
  // 1 when the load case of entry k was stored again after its first store.
  std::uint8_t stored_again(int k) const { return Item<std::uint8_t, 203, kMaxEntries>(k); }
  void set_stored_again(int k, std::uint8_t v) { SetItem<std::uint8_t, 203, kMaxEntries>(k, v); }
  // Origin of the load case of entry k (LoadCaseParams byte 28).
  std::int16_t origin(int k) const { return Item<std::int16_t, 436, kMaxEntries>(k); }
  void set_origin(int k, std::int16_t v) { SetItem<std::int16_t, 436, kMaxEntries>(k, v); }
};
static_assert(sizeof(LoadCaseDiary) == 4836);

}  // namespace common
