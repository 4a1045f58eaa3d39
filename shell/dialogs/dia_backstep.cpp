#include "shell/dialogs/dia_backstep.h"

#include "platform/controls/button.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"

namespace quentaris {

CDiaBackstep::CDiaBackstep(common::Position position, plat::Window* owner)
    : SideButtonDialog(kTemplateId, "Reset position " + position.name(), owner), position_(std::move(position)) {}

void CDiaBackstep::BuildLayout(plat::DialogLayout& layout) {
  layout.CheckBox("Delete also the output-files D3, D4, ... (text files).", kDeleteOutputsCheck);
  layout.Text("The data of the frame remains intact.");
  layout.OkCancel();
}

void CDiaBackstep::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Check(dx, kDeleteOutputsCheck, delete_outputs); }

void CDiaBackstep::OnOK() {
  if (!UpdateData(true)) return;
  report_ = ResetPosition(position_, delete_outputs != 0);
  if (!report_.ok()) {
    std::string text;
    for (const common::Result& problem : report_.problems) text += (text.empty() ? "" : "\n") + problem.text();
    plat::MessageBox(text, report_.problems.front().caption(), plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  EndDialog(plat::IDOK);
}

}  // namespace quentaris
