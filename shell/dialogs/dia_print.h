#pragma once
// Dialog 106: the font and margins of printed listings (DRUCKER1.INI). OK
// (1010) writes them.
#include "common/page/printer_settings_file.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaPrintTemplate = 106;
inline constexpr plat::UINT kDiaPrintOk = 1010;

class CDiaPrint : public ShellDialog {
 public:
  explicit CDiaPrint(const ShellState& state, plat::Window* owner = nullptr);

  common::PrinterSettings settings;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  const ShellState& state_;
};

}  // namespace quentaris
