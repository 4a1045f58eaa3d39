#include "loads/dialogs/dia_titel.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {

CDiaTitel::CDiaTitel(std::string title, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Title of load case", owner), title_(std::move(title)) {
  if (title_.size() > static_cast<std::size_t>(kTitleChars)) title_.resize(kTitleChars);
}

void CDiaTitel::BuildLayout(plat::DialogLayout& layout) {
  layout.EditBox(kTitleEdit, 0x0080, 50).SetLimitText(kTitleChars);
  layout.OkCancel("OK", "Stop");
}

bool CDiaTitel::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(kTitleEdit));
  return false;
}

void CDiaTitel::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kTitleEdit, title_);
  plat::DDV_MaxChars(dx, title_, kTitleChars);
}

}  // namespace pundf
