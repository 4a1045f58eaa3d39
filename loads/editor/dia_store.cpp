#include "loads/editor/dia_store.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {

CDiaStore::CDiaStore(int number, std::string title, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Save load case", owner), number_(number), title_(std::move(title)) {
  if (title_.empty()) title_ = "Load case " + std::to_string(number_);
  if (title_.size() > static_cast<std::size_t>(kTitleChars)) title_.resize(kTitleChars);
}

void CDiaStore::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Store as load case number ").EditBox(kNumberEdit, 0x0080, 6);
  form.Field("Title").EditBox(kTitleEdit, 0x0080, 50).SetLimitText(kTitleChars);
  auto buttons = layout.Row();
  buttons.DefPushButton("&OK", plat::IDOK);
  buttons.PushButton("OK + End", kOkAndEnd);
  buttons.PushButton("&Stop", plat::IDCANCEL);
}

bool CDiaStore::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowPos(nullptr, 10, 70, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  GotoDlgCtrl(GetDlgItem(kNumberEdit));
  return false;
}

void CDiaStore::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kNumberEdit, number_);
  plat::DDV_MinMaxInt(dx, number_, 1, 99);
  plat::DDX_Text(dx, kTitleEdit, title_);
  plat::DDV_MaxChars(dx, title_, kTitleChars);
}

bool CDiaStore::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kOkAndEnd) {
    if (UpdateData(true)) EndDialog(kOkAndEnd);
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

}  // namespace pundf
