#pragma once
// The results viewer's table: the common grid with the viewer's column
// classes (what an edited cell keeps), its keys (Ctrl+C its only clipboard
// key, no paste, cut or row operations), the switch cells of the nodes table
// and a drop that asks once for its text. It is never printed or saved.
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_ctrl.h"

namespace revuzavi {

// The table kind the nodes dialog sets: a click toggles its columns 3 to 5.
inline constexpr int kNodesTableKind = 2;

// The text an edited cell keeps in a column of `column_class`: class 0 all of
// it; classes 1 to 6 their characters, the first "." or "," as ".", upper-cased;
// any other class nothing.
std::string FilterByColumnClass(std::string_view text, int column_class);

class ViewerGridHost : public grid::GridHost {
 public:
  // The class of a non-fixed column (col 1 and on); 0 where none was set.
  int ColumnClass(int col) const;
  void SetColumnClass(int col, int column_class);
  int table_kind() const { return table_kind_; }
  void SetTableKind(int kind) { table_kind_ = kind; }

  // The table keys and Ctrl+C, Ctrl+Left, Ctrl+Right; Delete empties the focus
  // cell. False without a focus cell or for a key left to the window.
  bool KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  // Filters the text by the column's class, stores it, tells the owner (-106)
  // and, after a moving key, moves on and edits the next cell.
  void EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) override;
  // Columns 3, 4 and 5 of the nodes table.
  bool IsSwitchCell(const grid::CGridCtrl& grid, int row, int col) const override;
  // A drop asks once for its text and reports nothing when none comes.
  grid::PasteReading PasteReadAttempts(const grid::CGridCtrl& grid) const override;

 private:
  std::vector<int> column_classes_;  // index col - 1
  int table_kind_ = 0;
};

// Holds the host so that it is made before the grid and outlives it.
struct ViewerGridHostHolder {
  ViewerGridHost viewer_host_;
};

class ViewerGrid : private ViewerGridHostHolder, public grid::CGridCtrl {
 public:
  ViewerGrid();
  ViewerGridHost& viewer_host() { return viewer_host_; }
};

}  // namespace revuzavi
