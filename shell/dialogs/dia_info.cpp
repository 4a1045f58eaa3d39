#include "shell/dialogs/dia_info.h"

#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace quentaris {
namespace {
constexpr plat::DWORD kReadOnly = 0x0800;  // ES_READONLY
}  // namespace

CDiaInfo::CDiaInfo(std::string program_path, plat::Window* owner)
    : ShellDialog(kDiaInfoTemplate, "Info", owner), program_path_(std::move(program_path)) {}

void CDiaInfo::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&Version:").EditBox(1000, 0x0080 | kReadOnly, 40);
  form.Field("&Program path:").EditBox(1001, 0x0080 | kReadOnly, 40);
  auto buttons = layout.Row();
  buttons.PushButton("&How to send the echo-files", kInfoSendEcho);
  buttons.Stretch();
  buttons.DefPushButton("OK", plat::IDOK);
}

bool CDiaInfo::OnInitDialog() {
  ShellDialog::OnInitDialog();
  SetDlgItemText(1000, ReadVersionLine(kVersionLineChars));
  SetDlgItemText(1001, program_path_);
  return true;
}

bool CDiaInfo::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kInfoSendEcho) {
    const common::Result started = plat::StartDetached(plat::SiblingProgram("LERVENTA"), {kSendEchoPage});
    if (!started.ok()) {
      plat::MessageBox(started.text(), std::string("LERVENTA.EXE ") + kSendEchoPage, plat::MB_OK | plat::MB_ICONERROR);
    }
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

}  // namespace quentaris
