#include "shell/dialogs/dia_print.h"

#include "platform/dialogs/dialog_layout.h"
#include "shell/dialogs/printer_fields.h"

namespace quentaris {
namespace {
constexpr PrinterFieldIds kIds{1005, 1000, 1002, 1001};
}

CDiaPrint::CDiaPrint(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaPrintTemplate, "Print Parameter  (DRUCKER1.INI)", owner), state_(state) {}

void CDiaPrint::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&Font:").EditBox(kIds.face, 0x0080, 30);
  form.Field("Font &Size:").EditBox(kIds.size, 0x0080, 6);
  form.Field("&Left Margin (mm):").EditBox(kIds.left, 0x0080, 6);
  form.Field("&Upper Margin (mm):").EditBox(kIds.upper, 0x0080, 6);
  auto buttons = layout.Row();
  buttons.Stretch();
  buttons.DefPushButton("OK", kDiaPrintOk);
  buttons.PushButton("Cancel", plat::IDCANCEL);
}

bool CDiaPrint::OnInitDialog() {
  settings = ReadShellPrinterSettings(state_);
  return ShellDialog::OnInitDialog();
}

void CDiaPrint::DoDataExchange(plat::DataExchange& dx) { ExchangePrinterFields(dx, kIds, settings); }

bool CDiaPrint::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kDiaPrintOk) {
    if (!UpdateData(true)) return true;
    WriteShellPrinterSettings(state_, settings);
    EndDialog(plat::IDOK);
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

}  // namespace quentaris
