#include "shell/dialogs/dia_echo.h"

#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "shell/dialogs/dia_redit.h"
#include "shell/print/print_text.h"

namespace quentaris {

std::vector<std::string> EchoFileNames(const ShellState& state) {
  std::vector<std::string> names;
  if (state.position_folder.empty()) return names;
  const std::string& name = state.position_name;
  for (const std::string& wanted :
       {"ACADGEO." + name, "ACADLOAD." + name, "ECHO_G." + name + ".TXT", "ECHO_L." + name + ".TXT"}) {
    const std::string path = plat::FindCaseInsensitive(state.position_folder, wanted);
    if (plat::FileExists(path)) names.push_back(path.substr(state.position_folder.size()));
  }
  return names;
}

CDiaEcho::CDiaEcho(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaEchoTemplate, "Echo-files ", owner), state_(state) {}

void CDiaEcho::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kEchoList, plat::LBS_NOTIFY | plat::WS_VSCROLL | plat::WS_BORDER, 40, 6);
  auto buttons = layout.Row();
  buttons.PushButton("&Print", kEchoPrint);
  buttons.Stretch();
  buttons.DefPushButton("OK", plat::IDOK);
}

bool CDiaEcho::OnInitDialog() {
  auto* list = static_cast<plat::ListBox*>(GetDlgItem(kEchoList));
  for (const std::string& name : EchoFileNames(state_)) list->AddString(name);
  return ShellDialog::OnInitDialog();
}

std::string CDiaEcho::Chosen() const {
  const auto* list = static_cast<const plat::ListBox*>(GetDlgItem(kEchoList));
  const int index = list->GetCurSel();
  return index < 0 ? std::string() : state_.position_folder + list->GetText(index);
}

bool CDiaEcho::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  if (id == kEchoList && plat::HIWORD(wParam) == plat::LBN_DBLCLK) {
    if (const std::string path = Chosen(); !path.empty()) {
      CDiaREdit editor(path, false, this);
      editor.DoModal();
    }
    return true;
  }
  if (id == kEchoPrint) {
    if (const std::string path = Chosen(); !path.empty()) PrintTextFile(state_, path);
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

}  // namespace quentaris
