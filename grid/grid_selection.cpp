// The selection: a block of cells, whole rows or columns, all cells, and the
// heading clicks that choose among them.
#include <algorithm>
#include <memory>

#include "grid/grid_ctrl.h"
#include "platform/window/cursor.h"

namespace grid {

void CGridCtrl::SelectCellRange(int min_row, int min_col, int max_row, int max_col, bool redraw_now) {
  if (!selection_allowed_) return;
  const CellRange range{min_row, min_col, max_row, max_col};
  const bool range_valid = range.IsValid() && max_row < GetRowCount() && max_col < GetColumnCount();
  // SetItemState changes the selected-cell set: walk copies of it.
  const std::set<CCellID> before = selected_;
  const std::set<CCellID> kept = previous_selection_;
  for (const CCellID& cell : before) {
    if (IsValid(cell)) SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~kStateSelected);
  }
  const auto select = [this](int row, int col) {
    if (IsValid(row, col)) SetItemState(row, col, GetItemState(row, col) | kStateSelected);
  };
  for (const CCellID& cell : kept) select(cell.row, cell.col);
  if (range_valid) {
    for (int row = min_row; row <= max_row; ++row) {
      for (int col = min_col; col <= max_col; ++col) select(row, col);
    }
  }
  // Redraw the cells whose selected state changed.
  std::unique_ptr<plat::Dc> dc;
  if (redraw_now && redraw_allowed_) dc = GetDC();
  const auto redraw = [&](const CCellID& cell) {
    if (dc) {
      RepaintCell(cell.row, cell.col, dc.get());
    } else {
      InvalidateCellArea(cell);
    }
  };
  for (const CCellID& cell : before) {
    if (!selected_.contains(cell)) redraw(cell);
  }
  for (const CCellID& cell : selected_) {
    if (!before.contains(cell)) redraw(cell);
  }
}

CellRange CGridCtrl::SelectedCellRange() const {
  if (selected_.empty()) return CellRange{GetRowCount(), GetColumnCount(), -1, -1};
  CellRange range{GetRowCount(), GetColumnCount(), -1, -1};
  for (const CCellID& cell : selected_) {
    range.min_row = std::min(range.min_row, cell.row);
    range.min_col = std::min(range.min_col, cell.col);
    range.max_row = std::max(range.max_row, cell.row);
    range.max_col = std::max(range.max_col, cell.col);
  }
  return range;
}

void CGridCtrl::SelectAll() {
  SelectCellRange(fixed_rows_, fixed_cols_, GetRowCount() - 1, GetColumnCount() - 1, true);
}

void CGridCtrl::ExtendSelectionTo(const CCellID& cell) {
  if (!selection_allowed_) return;
  const int last_row = GetRowCount() - 1;
  const int last_col = GetColumnCount() - 1;
  switch (mouse_mode_) {
    case kMouseSelectAll:
      SelectCellRange(fixed_rows_, fixed_cols_, last_row, last_col, false);
      break;
    case kMouseSelectColumns:
      if (cell.col >= fixed_cols_) {
        SelectCellRange(fixed_rows_, std::min(anchor_.col, cell.col), last_row, std::max(anchor_.col, cell.col), false);
      }
      break;
    case kMouseSelectRows:
      SelectRowsTo(cell.row, cell.col);
      break;
    case kMouseSelectCells:
      if (cell.row >= fixed_rows_ && cell.col >= fixed_cols_ && IsValid(cell)) {
        SelectCellRange(std::min(anchor_.row, cell.row), std::min(anchor_.col, cell.col),
                        std::max(anchor_.row, cell.row), std::max(anchor_.col, cell.col), false);
      }
      break;
    default: break;
  }
}

void CGridCtrl::SelectRowsTo(int row, int col) {
  if (!selection_allowed_ || !IsValid(row, col) || row < fixed_rows_) return;
  SelectCellRange(std::min(anchor_.row, row), fixed_cols_, std::max(anchor_.row, row), GetColumnCount() - 1, false);
  host_->RowsSelected(*this, row, col);
}

void CGridCtrl::HeadingRowClicked(const CCellID& cell) {
  if (!list_mode_) {
    mouse_mode_ = cell.col >= fixed_cols_ ? kMouseSelectColumns : kMouseSelectAll;
    ExtendSelectionTo(cell);
    return;
  }
  if (!sort_on_heading_click_) return;
  plat::WaitCursor wait;
  if (cell.col == sort_column_) {
    sort_ascending_ = !sort_ascending_;
  } else {
    sort_column_ = cell.col;
    sort_ascending_ = 1;
  }
  SortRowsByText(cell.col, sort_ascending_ != 0);
  Invalidate();
}

void CGridCtrl::HeadingColumnClicked(const CCellID& cell) {
  mouse_mode_ = cell.row < fixed_rows_ ? kMouseSelectAll : kMouseSelectRows;
  ExtendSelectionTo(cell);
}

}  // namespace grid
