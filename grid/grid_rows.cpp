// Inserting and deleting a row at the focus: the texts of columns 1 to the
// last move by one row in memory; the row headings (column 0) and the
// clipboard stay as they are. The selection follows the focus to its new
// cell, as a key moves them: no highlight stays behind on a moved text.
#include "grid/grid_ctrl.h"
#include "grid/table_keys.h"

namespace grid {

namespace {

constexpr int kFirstMovedColumn = 1;

}  // namespace

void CGridCtrl::InsertRowAtFocus() {
  if (!editable_ || !IsValid(focus_)) return;
  const int last = GetRowCount() - 1;
  // On the last row there is nothing to move down: the grid stays as it is.
  if (focus_.row >= last) return;
  const int row = focus_.row;
  host_->RowInserted(*this, row);
  for (int r = last; r > row; --r) {
    for (int c = kFirstMovedColumn; c < GetColumnCount(); ++c) SetItemText(r, c, GetItemText(r - 1, c));
  }
  for (int c = kFirstMovedColumn; c < GetColumnCount(); ++c) SetItemText(row, c, "");
  modified_ = true;
  MoveFocusByKey(*this, CCellID(row + 1, kFirstMovedColumn), false);
  if (GetSafeHwnd()) Invalidate();
}

void CGridCtrl::DeleteRowAtFocus() {
  if (!editable_ || !IsValid(focus_)) return;
  const int last = GetRowCount() - 1;
  const int row = focus_.row;
  host_->RowDeleted(*this, row);
  for (int r = row; r < last; ++r) {
    for (int c = kFirstMovedColumn; c < GetColumnCount(); ++c) SetItemText(r, c, GetItemText(r + 1, c));
  }
  for (int c = kFirstMovedColumn; c < GetColumnCount(); ++c) SetItemText(last, c, "");
  modified_ = true;
  MoveFocusByKey(*this, CCellID(row, kFirstMovedColumn), false);
  if (GetSafeHwnd()) Invalidate();
}

}  // namespace grid
