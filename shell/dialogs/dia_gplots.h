#pragma once
// Dialog 131, the plot scales of PSCALA. OK writes the fields it shows into
// the block and keeps every other byte of the file.
#include <string>

#include "common/records/print_scales.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaGPlotsTemplate = 131;

class CDiaGPlots : public ShellDialog {
 public:
  explicit CDiaGPlots(const ShellState& state, plat::Window* owner = nullptr);

  // The block as read (defaults when missing) and, after OK, as written.
  common::PrintScales scales = common::PrintScales::Default();

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  const ShellState& state_;
  // The fields as shown.
  std::string first_, second_, scale56_, scale64_, scale72_, factor92_;
  int flag_ = 0;    // radio group 1003
  int choice_ = 0;  // radio group 1006
};

}  // namespace quentaris
