#pragma once
// HistoryRecord: one event of a position's history file TTABLE (256 bytes):
// the time, a flag and a zero-terminated text.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/records/byte_record.h"

namespace common {

class HistoryRecord : public ByteRecord<256> {
 public:
  // The text field holds 244 bytes, its terminator included.
  static constexpr std::size_t kMaxTextLength = 243;

  // Seconds since 1970 (int64 at 0).
  std::int64_t time() const {
    std::int64_t value;
    std::memcpy(&value, bytes().data(), sizeof value);
    return value;
  }
  void set_time(std::int64_t value) { std::memcpy(bytes().data(), &value, sizeof value); }
  // 0 for every record written; a record with another flag is dropped by a reset.
  std::int32_t flag() const { return At<std::int32_t, 8>(); }
  void set_flag(std::int32_t v) { SetAt<std::int32_t, 8>(v); }
  std::string text() const { return TextAt<12, 244>(); }
  // Cut to 243 bytes; the field stays terminated.
  void set_text(std::string_view text) { SetTextAt<12, 244>(text); }
};
static_assert(sizeof(HistoryRecord) == 256);

}  // namespace common
