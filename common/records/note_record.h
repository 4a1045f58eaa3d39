#pragma once
// NoteRecord: a 241-byte zero-terminated text, the note of a point load
// (SOUTXT) or a line load (LLTXT).
#include <string>
#include <string_view>

#include "common/records/byte_record.h"

namespace common {

class NoteRecord : public ByteRecord<241> {
 public:
  static constexpr std::size_t kMaxLength = 240;

  std::string text() const { return TextAt<0, 241>(); }
  void set_text(std::string_view text) { SetTextAt<0, 241>(text); }

  void TerminateTexts() { TerminateTextAt<0, 241>(); }
};
static_assert(sizeof(NoteRecord) == 241);

}  // namespace common
