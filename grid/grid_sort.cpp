// Sorting the rows by the text of a column.
#include <utility>

#include "grid/grid_ctrl.h"

namespace grid {

namespace {

// Quicksort of rows lo..hi by the key column's text (byte order). Equal texts
// are never swapped; a row's height moves with it.
class RowSorter {
 public:
  RowSorter(std::vector<std::vector<std::unique_ptr<CGridCell>>>& rows, std::vector<int>& heights, int col,
            bool ascending)
      : rows_(rows), heights_(heights), col_(static_cast<std::size_t>(col)), ascending_(ascending) {}

  void Sort(int lo, int hi) {
    if (hi <= lo) return;
    const std::string pivot = Text(lo + (hi - lo) / 2);
    int i = lo;
    int j = hi;
    while (i <= j) {
      while (i < hi && Before(Text(i), pivot)) ++i;
      while (j > lo && Before(pivot, Text(j))) --j;
      if (i <= j) {
        if (Text(i) != Text(j)) {
          std::swap(rows_[static_cast<std::size_t>(i)], rows_[static_cast<std::size_t>(j)]);
          std::swap(heights_[static_cast<std::size_t>(i)], heights_[static_cast<std::size_t>(j)]);
        }
        ++i;
        --j;
      }
    }
    if (lo < j) Sort(lo, j);
    if (i < hi) Sort(i, hi);
  }

 private:
  const std::string& Text(int row) const {
    static const std::string none;
    const auto& cell = rows_[static_cast<std::size_t>(row)][col_];
    return cell ? cell->text : none;
  }
  bool Before(const std::string& a, const std::string& b) const { return ascending_ ? a < b : b < a; }

  std::vector<std::vector<std::unique_ptr<CGridCell>>>& rows_;
  std::vector<int>& heights_;
  std::size_t col_;
  bool ascending_;
};

}  // namespace

void CGridCtrl::SortRowsByText(int col, bool ascending) {
  for (const CCellID& cell : GetSelectedCells()) {
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~kStateSelected);
  }
  SetFocusCell(-1, -1);
  if (col < 0 || col >= GetColumnCount()) return;
  RowSorter(rows_, row_heights_, col, ascending).Sort(fixed_rows_, GetRowCount() - 1);
  if (GetSafeHwnd() && redraw_allowed_) Invalidate();
}

}  // namespace grid
