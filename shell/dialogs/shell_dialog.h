#pragma once
// The shell's small dialogs: the side button of the mouse cancels them.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialogs/dialog.h"
#include "shell/files/file_messages.h"

namespace quentaris {

class ShellDialog : public plat::Dialog {
 public:
  using plat::Dialog::Dialog;
  bool PreTranslateMessage(plat::MSG* msg) override;
};

// The first line of VERSION.QUENTARIS beside the programs, without its line
// end and cut to `max_chars`; empty when the file is missing.
std::string ReadVersionLine(std::size_t max_chars);
inline constexpr const char* kVersionFile = "VERSION.QUENTARIS";
// The version line as the info and about boxes show it.
inline constexpr std::size_t kVersionLineChars = 119;

// An integer typed into a field as the files keep it: leading blanks, a sign
// and digits (anything else ends it; none gives 0), then its low 16 bits.
std::int16_t FieldToInt16(std::string_view text);
// A number typed with a decimal point or comma, read as TextToFloat reads it
// but kept in double precision; 0 when there is none.
double FieldToDouble(const std::string& text);

}  // namespace quentaris
