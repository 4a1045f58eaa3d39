#include "shell/dialogs/dia_kopf.h"

#include "common/page/heading_files.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace quentaris {

CDiaKopf::CDiaKopf(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaKopfTemplate, "Headings", owner), state_(state) {}

void CDiaKopf::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&1st heading:").EditBox(1000, 0x0080, 50);
  form.Field("&2nd heading:").EditBox(1001, 0x0080, 50);
  form.Field("&Number of headings (1 or 2):").EditBox(1002, 0x0080, 4);
  layout.OkCancel("OK", "Cancel");
}

bool CDiaKopf::OnInitDialog() {
  first = common::ReadHeadingFile(state_.SettingsPath(common::kFirstHeadingFile));
  second = common::ReadHeadingFile(state_.SettingsPath(common::kSecondHeadingFile));
  count = std::to_string(common::ReadHeadingCountFile(state_.SettingsPath(common::kHeadingCountFile)));
  return ShellDialog::OnInitDialog();
}

void CDiaKopf::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, 1000, first);
  plat::DDX_Text(dx, 1001, second);
  plat::DDX_Text(dx, 1002, count);
}

void CDiaKopf::OnOK() {
  if (!UpdateData(true)) return;
  const std::string inc1 = state_.SettingsWritePath(common::kFirstHeadingFile);
  if (!common::WriteHeadingFile(inc1, first)) ShowCannotWrite(inc1);
  const std::string inc2 = state_.SettingsWritePath(common::kSecondHeadingFile);
  if (!common::WriteHeadingFile(inc2, second)) ShowCannotWrite(inc2);
  const std::string idz = state_.SettingsWritePath(common::kHeadingCountFile);
  if (!common::WriteHeadingCountFile(idz, FieldToInt16(count))) ShowCannotWrite(idz);
  EndDialog(plat::IDOK);
}

}  // namespace quentaris
