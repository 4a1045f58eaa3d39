#pragma once
// PUNDF's table grid: typed letters upper-cased, an edited cell cleaned by its
// column's kind, the tables' keys (Ctrl + C/V/X/A/I/L, moving the focus,
// Delete, Enter copying from the cell above, F5 copying down) and the rows a
// print covers.
#include "grid/grid_ctrl.h"
#include "grid/grid_host.h"
#include "loads/tables/table_state.h"

namespace pundf::tables {

class PundfGridHost : public grid::GridHost {
 public:
  explicit PundfGridHost(TableState& state) : state_(state) {}

  bool KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) override;
  plat::UINT TranslateChar(grid::CGridCtrl& grid, plat::UINT ch) override;
  int PrintRowCount(const grid::CGridCtrl& grid) const override;
  std::string ApplicationTitle(const grid::CGridCtrl& grid) const override;

  // One past the last row a print covers (the dialog's Print counts it).
  void SetPrintRowCount(int rows) { print_rows_ = rows; }

  // The keys without the window: Enter and F5 at the focus cell.
  void EnterKey(grid::CGridCtrl& grid);
  void CopyDown(grid::CGridCtrl& grid);

 private:
  // Moves the focus to (row, col) kept inside the non-fixed cells; with
  // `extend` the selection runs from the anchor to it.
  void MoveFocus(grid::CGridCtrl& grid, int row, int col, bool extend);

  TableState& state_;
  int print_rows_ = -1;
};

}  // namespace pundf::tables
