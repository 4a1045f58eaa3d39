#include "shell/paths/dia_dup_tree.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "shell/paths/data_path.h"
#include "shell/positions/position_name.h"

namespace quentaris {

CDiaDupTree::CDiaDupTree(std::string data_path, plat::Window* owner)
    : ShellDialog(kTemplateId, "Dublicate position (copy)", owner), start_path_(std::move(data_path)) {}

void CDiaDupTree::BuildLayout(plat::DialogLayout& layout) {
  layout.Text("Choose the folder of the position to copy (SDIR + name):");
  layout.Custom(tree_, kTree, plat::WS_BORDER | plat::WS_VSCROLL | plat::WS_TABSTOP, 360, 300);
  auto form = layout.Form();
  form.Field("Position:").EditBox(kOldEdit, plat::ES_AUTOHSCROLL | plat::ES_READONLY, 30);
  form.Field("&becomes Position:").EditBox(kNewEdit, plat::ES_AUTOHSCROLL, 30);
  layout.OkCancel();
}

bool CDiaDupTree::OnInitDialog() {
  ShellDialog::OnInitDialog();
  tree_.SelectPath(start_path_);
  GotoDlgCtrl(&tree_);
  return false;
}

bool CDiaDupTree::OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) {
  if (TreeSelectionNotified(lParam, kTree)) {
    TakeSelectedFolder();
    *result = 0;
    return true;
  }
  return ShellDialog::OnNotify(wParam, lParam, result);
}

void CDiaDupTree::TakeSelectedFolder() {
  const auto picked = PositionOfFolder(tree_.GetSelectedPath());
  if (!picked || picked->name.empty()) return;
  old_name = picked->name;
  data_path = picked->data_path;
  SetDlgItemText(kOldEdit, old_name);
  SetDlgItemText(kNewEdit, old_name + "A");
  if (auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(kNewEdit))) edit->SetSel(0, -1);
}

void CDiaDupTree::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kNewEdit, new_name);
  if (!dx.saving()) return;
  if (old_name.empty()) {
    dx.Fail("Choose the folder of a position (SDIR followed by its name) in the tree.");
  } else if (const common::Result checked = CheckPositionName(new_name); !checked) {
    dx.Fail(checked.text());
  }
}

}  // namespace quentaris
