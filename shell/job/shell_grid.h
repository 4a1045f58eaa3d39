#pragma once
// The shell's table: the common grid with the shell's keys, its column types
// and its end of edit (ShellGridHost), and drag and drop of cell text on from
// the start. The shell never prints or saves it.
#include <vector>

#include "grid/grid_ctrl.h"

namespace quentaris {

class ShellGridHost : public grid::GridHost {
 public:
  // The type of `col` (column_types.h); 0 for a column without one.
  int ColumnType(int col) const;
  void SetColumnType(int col, int type);
  void SetAllColumnTypes(int columns, int type);

  // Navigation, Enter, Delete, F5 and the Ctrl keys; false without a focus
  // cell or for a key the shell leaves to the window.
  bool KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  // Cleans the text by the column's type, stores it, tells the owner (-106)
  // and, after a moving key, moves on and edits the next cell.
  void EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) override;
  // Posted on to the owner (else the parent): wParam the grid's id, lParam its window.
  bool SideButton(grid::CGridCtrl& grid, plat::UINT flags, plat::UINT button, plat::Point point) override;

 private:
  bool CtrlKey(grid::CGridCtrl& grid, plat::UINT vk);
  std::vector<int> column_types_;
};

// Holds the host so that it is made before the grid and outlives it.
struct ShellGridHostHolder {
  ShellGridHost shell_host_;
};

class ShellGrid : private ShellGridHostHolder, public grid::CGridCtrl {
 public:
  ShellGrid();
  ShellGridHost& shell_host() { return shell_host_; }
};

}  // namespace quentaris
