#include "shell/dialogs/printer_fields.h"

#include "platform/dialogs/data_exchange.h"
#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

void ExchangePrinterFields(plat::DataExchange& dx, const PrinterFieldIds& ids, common::PrinterSettings& settings) {
  plat::DDX_Text(dx, ids.face, settings.font_face);
  plat::DDX_Text(dx, ids.size, settings.font_size);
  plat::DDX_Text(dx, ids.left, settings.left_margin);
  plat::DDX_Text(dx, ids.upper, settings.upper_margin);
}

common::PrinterSettings ReadShellPrinterSettings(const ShellState& state) {
  return common::ReadPrinterSettingsFile(state.SettingsPath(common::kPrinterSettingsFile));
}

void WriteShellPrinterSettings(const ShellState& state, const common::PrinterSettings& settings) {
  const std::string path = state.SettingsWritePath(common::kPrinterSettingsFile);
  if (!common::WritePrinterSettingsFile(path, settings)) ShowCannotWrite(path);
}

}  // namespace quentaris
