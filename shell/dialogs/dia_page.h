#pragma once
// Dialog 112 "Pages": the numbering of the shell's printing (PAGENR of the
// position) and the printer settings (DRUCKER1.INI). The page and sheet shown
// are the next to print, as stored.
#include <string>

#include "common/page/page_counter_files.h"
#include "common/page/printer_settings_file.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaPageTemplate = 112;

class CDiaPage : public ShellDialog {
 public:
  explicit CDiaPage(const ShellState& state, plat::Window* owner = nullptr);

  std::string page;
  std::string sheet;
  int style = 0;       // index in the radio group, -1 when none
  int print_date = 0;  // the check box
  common::PrinterSettings printer;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  std::string NumberingPath() const;

  const ShellState& state_;
  common::PageNumbering stored_;
};

}  // namespace quentaris
