#pragma once
// The four values of DRUCKER1.INI as fields of a dialog, shared by the
// printer and the pages dialog (each names its own controls).
#include "common/page/printer_settings_file.h"
#include "platform/dialogs/dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

struct PrinterFieldIds {
  plat::UINT face, size, left, upper;
};

void ExchangePrinterFields(plat::DataExchange& dx, const PrinterFieldIds& ids, common::PrinterSettings& settings);
common::PrinterSettings ReadShellPrinterSettings(const ShellState& state);
// Writes DRUCKER1.INI; a failure is shown.
void WriteShellPrinterSettings(const ShellState& state, const common::PrinterSettings& settings);

}  // namespace quentaris
