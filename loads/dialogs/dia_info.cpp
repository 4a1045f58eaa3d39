#include "loads/dialogs/dia_info.h"

#include "loads/dialogs/info_text.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/whole_file.h"

namespace pundf {

CDiaInfo::CDiaInfo(std::string text, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Info", owner), text_(std::move(text)) {}

void CDiaInfo::BuildLayout(plat::DialogLayout& layout) {
  layout.MultiLineEdit(kTextEdit, plat::ES_MULTILINE | plat::ES_AUTOVSCROLL | plat::ES_READONLY | plat::WS_VSCROLL, 60,
                       10);
}

bool CDiaInfo::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetDlgItemText(kTextEdit, text_);
  if (auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(kTextEdit))) {
    GotoDlgCtrl(edit);
    const int end = static_cast<int>(edit->GetWindowTextLength());
    edit->SetSel(end, end);
  }
  return false;
}

void ShowLoadCaseInfo(const LoadModel& model, plat::Window* owner) {
  const std::string text = InfoText(model);
  plat::ReplaceWholeFile(model.position.FolderFile(kInfoTextFile), text);
  CDiaInfo dialog(text, owner);
  dialog.DoModal();
}

}  // namespace pundf
