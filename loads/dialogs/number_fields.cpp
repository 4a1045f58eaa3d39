#include "loads/dialogs/number_fields.h"

#include <algorithm>
#include <string_view>

#include "common/table_number.h"
#include "loads/tables/cell_texts.h"
#include "platform/controls/edit.h"
#include "platform/message_box.h"

namespace pundf {

std::string CommaNumber(const char* format, double value) {
  std::string text = tables::FormatNumber(format, value);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

void KeepOnly(plat::Dialog& dialog, plat::UINT id, const char* allowed) {
  auto* edit = dynamic_cast<plat::Edit*>(dialog.GetDlgItem(id));
  if (edit == nullptr) return;
  const std::string_view chars(allowed);
  edit->SetCharFilter([chars](char c) { return c == '\b' || chars.find(c) != std::string_view::npos; });
}

common::Outcome<float> ReadFieldNumber(std::string_view text, std::string_view field) {
  const auto number = common::ReadCellNumber(text, common::CellType::kFloat, 0, field);
  if (number) return static_cast<float>(*number);
  const std::string named = "\"" + std::string(field) + "\": \"" + std::string(text) + "\"";
  const bool not_a_number = number.failure().text() == common::NotANumberMessage(0, field, text);
  return common::Result::Fail(named + (not_a_number ? " is not a number." : " is too large for the files."),
                              number.failure().caption());
}

std::optional<float> TakeFieldNumber(plat::Dialog& dialog, plat::UINT id, std::string_view field) {
  const auto number = ReadFieldNumber(dialog.GetDlgItemText(id), field);
  if (number) return *number;
  plat::MessageBox(number.failure().text(), number.failure().caption(), plat::MB_OK | plat::MB_ICONERROR);
  dialog.GotoDlgCtrl(dialog.GetDlgItem(id));
  return std::nullopt;
}

}  // namespace pundf
