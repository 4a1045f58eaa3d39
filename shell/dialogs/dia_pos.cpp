#include "shell/dialogs/dia_pos.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "shell/positions/position_name.h"
#include "shell/settings/position_list.h"

namespace quentaris {

CDiaPos::CDiaPos(ShellState& state, plat::Window* main_window, plat::Window* owner)
    : SideButtonDialog(kTemplateId, "New Position", owner), state_(state), main_window_(main_window) {}

void CDiaPos::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Data path:").Text(state_.data_path_without_slash());
  form.Field("&New position:").EditBox(kNameEdit, plat::ES_AUTOHSCROLL, 30);
  layout.OkCancel();
}

bool CDiaPos::OnInitDialog() {
  SideButtonDialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(kNameEdit));
  return false;
}

void CDiaPos::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kNameEdit, name);
  if (!dx.saving()) return;
  name = BlanksToUnderscores(name);
  if (const common::Result checked = CheckPositionName(name); !checked) dx.Fail(checked.text());
}

void CDiaPos::OnOK() {
  if (!UpdateData(true)) return;
  state_.position_name = name;
  state_.position_ext = common::PositionExt(name);
  state_.position_folder = common::PositionFolder(state_.data_path, state_.position_ext);
  WritePositionList(state_, Duplicates::kKeep);
  if (main_window_) main_window_->PostMessage(kPositionListChanged);
  EndDialog(plat::IDOK);
}

}  // namespace quentaris
