#include "shell/dialogs/shell_dialog.h"

#include <cctype>
#include <cstdlib>

#include "common/text_to_float.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace quentaris {

bool ShellDialog::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_XBUTTONDOWN) {
    OnCancel();
    return true;
  }
  return plat::Dialog::PreTranslateMessage(msg);
}

std::string ReadVersionLine(std::size_t max_chars) {
  const auto lines = plat::ReadLines(plat::ProgramFolder() + kVersionFile);
  if (!lines || lines->empty()) return {};
  return (*lines)[0].substr(0, max_chars);
}

double FieldToDouble(const std::string& text) {
  double value = 0;
  if (plat::ParseDialogDouble(text, &value)) return value;
  return common::TextToFloat(text);
}

std::int16_t FieldToInt16(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  std::uint32_t value = 0;  // only the low 16 bits count, so wrapping is harmless
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
    value = value * 10u + static_cast<std::uint32_t>(text[at] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
}


}  // namespace quentaris
