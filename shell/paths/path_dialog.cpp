#include "shell/paths/path_dialog.h"

#include <filesystem>
#include <system_error>

#include "common/dialogs/folder_dialog.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "shell/paths/data_path.h"

namespace quentaris {

CPathDialog::CPathDialog(std::string caption, std::string text, std::string start_folder, plat::Window* owner)
    : ShellDialog(kTemplateId, caption, owner),
      caption_(std::move(caption)),
      text_(std::move(text)),
      start_folder_(std::move(start_folder)) {}

int CPathDialog::DoModal() { return ShellDialog::DoModal() == 1 ? 1 : -1; }

void CPathDialog::BuildLayout(plat::DialogLayout& layout) {
  layout.Text(text_);
  layout.EditBox(kPathEdit, plat::ES_AUTOHSCROLL, 50);
  layout.Custom(tree_, kTree, plat::WS_BORDER | plat::WS_VSCROLL | plat::WS_TABSTOP, 360, 300);
  layout.Text("", kStatus);
  layout.OkCancel();
}

bool CPathDialog::OnInitDialog() {
  ShellDialog::OnInitDialog();
  std::string start = start_folder_;
  if (start.empty()) {
    std::error_code error;
    start = std::filesystem::current_path(error).string();
  }
  if (!tree_.SelectPath(start)) {
    SetDlgItemText(kPathEdit, start);
    SetDlgItemText(kStatus, common::FolderStatusText(start));
  }
  GotoDlgCtrl(GetDlgItem(kPathEdit));
  return false;
}

bool CPathDialog::OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) {
  if (TreeSelectionNotified(lParam, kTree)) {
    const std::string path = tree_.GetSelectedPath();
    SetDlgItemText(kPathEdit, path);
    SetDlgItemText(kStatus, common::FolderStatusText(path));
    *result = 0;
    return true;
  }
  return ShellDialog::OnNotify(wParam, lParam, result);
}

bool CPathDialog::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kPathEdit && plat::HIWORD(wParam) == plat::EN_CHANGE) {
    if (plat::Window* ok = GetDlgItem(plat::IDOK)) ok->EnableWindow(!GetDlgItemText(kPathEdit).empty());
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

void CPathDialog::RetryEdit() {
  auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(kPathEdit));
  GotoDlgCtrl(edit);
  if (edit) edit->SetSel(0, -1);
}

void CPathDialog::OnOK() {
  const std::string path = GetDlgItemText(kPathEdit);
  if (!IsValidFolderPath(path)) {
    plat::MessageBox("The folder:\n\n" + path + "\n\nis invalid. Please reenter.", caption_,
                     plat::MB_OK | plat::MB_ICONEXCLAMATION);
    RetryEdit();
    return;
  }
  if (!plat::FolderExists(path)) {
    const int answer =
        plat::MessageBox("The folder:\n\n" + path + "\n\ndoes not exist. Do you want the folder to be created?",
                         caption_, plat::MB_YESNO | plat::MB_ICONQUESTION);
    if (answer != plat::IDYES) {
      RetryEdit();
      return;
    }
    if (const std::string failed = MakeFolderLevels(path); !failed.empty()) {
      plat::MessageBox("The folder:\n\n" + failed + "\n\ncan not be created. Please double check.", caption_,
                       plat::MB_OK | plat::MB_ICONEXCLAMATION);
      RetryEdit();
      return;
    }
  }
  path_ = path;
  EndDialog(1);
}

}  // namespace quentaris
