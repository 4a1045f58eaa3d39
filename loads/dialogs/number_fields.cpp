#include "loads/dialogs/number_fields.h"

#include <algorithm>
#include <string_view>

#include "loads/tables/cell_texts.h"
#include "platform/controls/edit.h"

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

}  // namespace pundf
