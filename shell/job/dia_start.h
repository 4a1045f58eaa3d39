#pragma once
// "Analysis": the load cases to compute, one per row of the shell's table,
// filled from the position's diary. "&Start" writes the solver job and starts
// ZEDIR (StartSolverJob); "&Stop" and the side button of the mouse cancel.
#include <string>
#include <vector>

#include "shell/dialogs/shell_dialog.h"
#include "shell/job/shell_grid.h"
#include "shell/state/shell_state.h"

namespace quentaris {

class CDiaStart : public ShellDialog {
 public:
  static constexpr plat::UINT kTemplateId = 134;
  static constexpr plat::UINT kGridId = 1014;
  static constexpr int kRows = 100;
  static constexpr int kColumns = 2;
  static constexpr plat::ColorRef kTableColour = 0x00E0FFFF;  // RGB(255, 255, 224)

  explicit CDiaStart(const ShellState& state, plat::Window* owner = nullptr);

  ShellGrid& grid() { return grid_; }
  // The texts of column 1, rows 1 to 99.
  std::vector<std::string> LoadCaseTexts() const;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnOK() override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void SetUpGrid();
  // Column 1 from the diary; "1" in row 1 when the position has none.
  void FillFromDiary();

  ShellState state_;
  ShellGrid grid_;
};

}  // namespace quentaris
