#include "shell/paths/dia_pfad_tree.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"
#include "shell/paths/path_history.h"

namespace quentaris {

CDiaPfadTree::CDiaPfadTree(const ShellState& state, plat::Window* owner)
    : ShellDialog(kTemplateId, "Choose an existing folder as data path or generate a new folder", owner),
      data_path_(state.data_path_without_slash()),
      history_file_(state.SettingsWritePath(kPathHistoryFile)),
      history_temp_(state.SettingsWritePath(kPathHistoryTemp)) {}

void CDiaPfadTree::BuildLayout(plat::DialogLayout& layout) {
  auto columns = layout.Row();
  auto left = columns.Column();
  left.Text("&Folders:");
  left.Custom(tree_, kTree, plat::WS_BORDER | plat::WS_VSCROLL | plat::WS_TABSTOP, 320, 300);
  auto right = columns.Column();
  right.Text("&Data paths used before (Del removes):");
  right.List(kHistoryList, plat::LBS_NOTIFY | plat::LBS_EXTENDEDSEL | plat::WS_VSCROLL | plat::WS_BORDER, 40, 15,
             &history_);
  auto form = layout.Form();
  form.Field("&Path:").EditBox(kPathEdit, plat::ES_AUTOHSCROLL, 60);
  layout.OkCancel();
}

bool CDiaPfadTree::OnInitDialog() {
  ShellDialog::OnInitDialog();
  tree_.SelectPath(data_path_);
  for (const std::string& path : ReadPathHistory(history_file_)) history_.AddString(path);
  SetDlgItemText(kPathEdit, data_path_);
  GotoDlgCtrl(GetDlgItem(kPathEdit));
  return false;
}

bool CDiaPfadTree::OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) {
  if (TreeSelectionNotified(lParam, kTree)) {
    const std::string path = tree_.GetSelectedPath();
    if (!path.empty()) SetDlgItemText(kPathEdit, path);
    *result = 0;
    return true;
  }
  return ShellDialog::OnNotify(wParam, lParam, result);
}

bool CDiaPfadTree::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kHistoryList && plat::HIWORD(wParam) == plat::LBN_DBLCLK) {
    const int index = history_.GetCaretIndex();
    if (index >= 0 && index < history_.GetCount()) {
      chosen_path_ = history_.GetText(index);
      EndDialog(plat::IDOK);
    }
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

bool CDiaPfadTree::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_KEYDOWN && msg->wParam == plat::VK_DELETE && msg->hwnd == history_.GetSafeHwnd()) {
    DeleteSelectedHistory();
    return true;
  }
  if (msg->message == plat::WM_KEYDOWN && msg->wParam == plat::VK_RETURN &&
      msg->hwnd == GetDlgItem(kPathEdit)->GetSafeHwnd()) {
    Accept(AskedBy::kEnterKey);
    return true;
  }
  return ShellDialog::PreTranslateMessage(msg);
}

void CDiaPfadTree::OnOK() { Accept(AskedBy::kOkButton); }

void CDiaPfadTree::Accept(AskedBy asked_by) {
  std::string path = GetDlgItemText(kPathEdit);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (const std::string refusal = DataPathRefusal(path); !refusal.empty()) {
    plat::MessageBox(refusal, "Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
    GotoDlgCtrl(GetDlgItem(kPathEdit));
    return;
  }
  if (!EnsureDataPath(path, asked_by)) {
    GotoDlgCtrl(GetDlgItem(kPathEdit));
    return;
  }
  if (!AddToPathHistory(history_file_, history_temp_, path)) {
    plat::FileErrorBox(history_file_, plat::FileAccess::kCreate);
  }
  chosen_path_ = path;
  EndDialog(plat::IDOK);
}

void CDiaPfadTree::DeleteSelectedHistory() {
  const std::vector<int> selected = history_.GetSelItems();
  if (selected.empty()) return;
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) history_.DeleteString(*it);
  std::vector<std::string> kept;
  for (int i = 0; i < history_.GetCount(); ++i) kept.push_back(history_.GetText(i));
  if (!WritePathHistory(history_file_, history_temp_, kept)) {
    plat::FileErrorBox(history_file_, plat::FileAccess::kCreate);
  }
}

}  // namespace quentaris
