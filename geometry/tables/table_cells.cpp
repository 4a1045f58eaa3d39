#include "geometry/tables/table_cells.h"

#include <algorithm>

#include "grid/grid_ctrl.h"

namespace kelmf {

TableCells ReadTableCells(const grid::CGridCtrl& grid, int width) {
  TableCells cells;
  const int cols = std::min(width, grid.GetColumnCount() - 1);
  for (int r = 1; r < grid.GetRowCount(); ++r) {
    std::vector<std::string> row(static_cast<std::size_t>(width));
    for (int c = 1; c <= cols; ++c) row[static_cast<std::size_t>(c - 1)] = grid.GetItemText(r, c);
    cells.push_back(std::move(row));
  }
  return cells;
}

bool RowComplete(const std::vector<std::string>& row, int n) {
  if (n > static_cast<int>(row.size())) return false;
  return std::none_of(row.begin(), row.begin() + n, [](const std::string& s) { return s.empty(); });
}

common::Outcome<int> CountTableRows(const TableCells& cells) {
  auto used = [](const std::vector<std::string>& row) {
    return std::any_of(row.begin(), row.end(), [](const std::string& s) { return !s.empty(); });
  };
  int count = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!used(cells[i])) continue;
    const int row = static_cast<int>(i) + 1;
    if (row != count + 1) {
      return common::Result::Fail("Row " + std::to_string(row) + " follows an empty row.", "Error");
    }
    count = row;
  }
  return count;
}

}  // namespace kelmf
