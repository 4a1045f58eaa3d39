// The grid's cells: the row and column counts, cell access through GridItem,
// the cell states and the selected-cell set.
#include <utility>

#include "grid/grid_ctrl.h"

namespace grid {

bool CGridCtrl::IsValid(int row, int col) const {
  return row >= 0 && col >= 0 && row < GetRowCount() && col < GetColumnCount();
}

CGridCell* CGridCtrl::GetCell(int row, int col) const {
  if (!IsValid(row, col)) return nullptr;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].get();
}

// ---- Counts ----

bool CGridCtrl::SetRowCount(int n) {
  if (n < 0) return false;
  if (n == GetRowCount()) return true;
  if (n < fixed_rows_) fixed_rows_ = n;
  if (focus_.row >= n) SetFocusCell(-1, -1);
  for (int row = GetRowCount() - 1; row >= n; --row) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      if (CGridCell* cell = GetCell(row, col)) DiscardCell(cell, row, col);
    }
  }
  const int old = GetRowCount();
  rows_.resize(static_cast<std::size_t>(n));
  row_heights_.resize(static_cast<std::size_t>(n), default_row_height_);
  for (int row = old; row < n; ++row) {
    Row& cells = rows_[static_cast<std::size_t>(row)];
    cells.resize(static_cast<std::size_t>(GetColumnCount()));
    for (int col = 0; col < GetColumnCount(); ++col) cells[static_cast<std::size_t>(col)].reset(NewCell(row, col));
  }
  PurgeCellsOutside();
  RefreshLayout();
  return true;
}

bool CGridCtrl::SetColumnCount(int n) {
  if (n < 0) return false;
  if (n == GetColumnCount()) return true;
  if (n < fixed_cols_) fixed_cols_ = n;
  if (focus_.col >= n) SetFocusCell(-1, -1);
  const int old = GetColumnCount();
  for (int row = 0; row < GetRowCount(); ++row) {
    for (int col = old - 1; col >= n; --col) {
      if (CGridCell* cell = GetCell(row, col)) DiscardCell(cell, row, col);
    }
  }
  column_widths_.resize(static_cast<std::size_t>(n), default_col_width_);
  for (int row = 0; row < GetRowCount(); ++row) {
    Row& cells = rows_[static_cast<std::size_t>(row)];
    cells.resize(static_cast<std::size_t>(n));
    for (int col = old; col < n; ++col) cells[static_cast<std::size_t>(col)].reset(NewCell(row, col));
  }
  PurgeCellsOutside();
  RefreshLayout();
  return true;
}

bool CGridCtrl::SetFixedRowCount(int n) {
  if (n < 0) return false;
  if (n > GetRowCount() && !SetRowCount(n)) return false;
  if (focus_.row >= 0 && focus_.row < n) SetFocusCell(-1, -1);
  fixed_rows_ = n;
  RefreshLayout();
  return true;
}

bool CGridCtrl::SetFixedColumnCount(int n) {
  if (n < 0) return false;
  if (n > GetColumnCount() && !SetColumnCount(n)) return false;
  if (focus_.col >= 0 && focus_.col < n) SetFocusCell(-1, -1);
  fixed_cols_ = n;
  RefreshLayout();
  return true;
}

void CGridCtrl::DeleteAllItems() {
  row_heights_.clear();
  column_widths_.clear();
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    Row& cells = rows_[static_cast<std::size_t>(row)];
    for (int col = 0; col < static_cast<int>(cells.size()); ++col) {
      if (CGridCell* cell = cells[static_cast<std::size_t>(col)].get()) DiscardCell(cell, row, col);
    }
  }
  rows_.clear();
  focus_ = CCellID();
  fixed_rows_ = 0;
  fixed_cols_ = 0;
  PurgeCellsOutside();
  RefreshLayout();
}

// After a change of the counts: new scroll ranges and a new picture.
void CGridCtrl::RefreshLayout() {
  if (!GetSafeHwnd() || !redraw_allowed_) return;
  UpdateScrollRanges();
  Invalidate();
}

// Cells that a smaller grid no longer holds leave every set and mark.
void CGridCtrl::PurgeCellsOutside() {
  for (CCellID* cell : {&clicked_, &anchor_, &focus_, &drop_target_}) {
    if (!IsValid(*cell)) *cell = CCellID();
  }
  for (std::set<CCellID>* cells : {&selected_, &previous_selection_}) {
    std::erase_if(*cells, [this](const CCellID& c) { return !IsValid(c); });
  }
}

// ---- Cells ----

CGridCell* CGridCtrl::NewCell(int row, int col) {
  auto cell = std::make_unique<CGridCell>();
  cell->font = font_;
  if (const CGridCell* above = GetCell(row - 1, col)) cell->format = above->format;
  return cell.release();
}

void CGridCtrl::DiscardCell(CGridCell* cell, int row, int col) {
  if (!cell) return;
  SetItemState(row, col, cell->state & (kStateFocused | kStateReadOnly));
  cell->text.clear();
}

namespace {

// Copies the fields that `mask` names between a cell and an item (both name
// them alike).
template <class From, class To>
void CopyMasked(const From& from, To& to, unsigned mask) {
  if (mask & kMaskText) to.text = from.text;
  if (mask & kMaskData) to.data = from.data;
  if (mask & kMaskImage) to.image = from.image;
  if (mask & kMaskState) to.state = from.state;
  if (mask & kMaskFormat) to.format = from.format;
  if (mask & kMaskBackground) to.background = from.background;
  if (mask & kMaskTextColour) to.text_colour = from.text_colour;
  if (mask & kMaskFont) to.font = from.font;
}

}  // namespace

bool CGridCtrl::SetItem(const GridItem* item) {
  if (!item) return false;
  CGridCell* cell = GetCell(item->row, item->col);
  if (!cell) return false;
  // The state is stored as given: the selected-cell set is SetItemState's.
  CopyMasked(*item, *cell, item->mask);
  return true;
}

bool CGridCtrl::GetItem(GridItem* item) const {
  if (!item) return false;
  const CGridCell* cell = GetCell(item->row, item->col);
  if (!cell) return false;
  CopyMasked(*cell, *item, item->mask & ~kMaskText);
  if (item->mask & kMaskText) item->text = GetItemText(item->row, item->col);
  return true;
}

void CGridCtrl::SetItemText(int row, int col, std::string_view text) {
  if (CGridCell* cell = GetCell(row, col)) cell->text = text;
}

std::string CGridCtrl::GetItemText(int row, int col) const {
  const CGridCell* cell = GetCell(row, col);
  return cell ? cell->text : std::string();
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state) {
  CGridCell* cell = GetCell(row, col);
  if (!cell) return false;
  if (state & kStateSelected) {
    selected_.insert(CCellID(row, col));
  } else {
    selected_.erase(CCellID(row, col));
  }
  cell->state = state;
  return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const {
  const CGridCell* cell = GetCell(row, col);
  return cell ? cell->state : 0;
}

// ---- Selection ----

std::vector<CCellID> CGridCtrl::GetSelectedCells() const { return {selected_.begin(), selected_.end()}; }

std::vector<CCellID> CGridCtrl::GetPreviousSelection() const {
  return {previous_selection_.begin(), previous_selection_.end()};
}

void CGridCtrl::KeepSelectionAsPrevious() { previous_selection_ = selected_; }

}  // namespace grid
