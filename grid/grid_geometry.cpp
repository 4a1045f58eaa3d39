// Where cells lie in the client area: heading sizes, the first cells shown,
// the cells shown, the cell under a point and a cell's rectangle. Every place
// is summed from the row heights and column widths.
#include <algorithm>
#include <cstdint>

#include "grid/extents.h"
#include "grid/grid_ctrl.h"

namespace grid {

namespace {

int PixelSum(const std::vector<int>& extents, int first, int end) { return ToPixels(SumOf(extents, first, end)); }

// The first non-fixed index shown at scroll position `offset`; -1 when there
// is no non-fixed row (column).
int FirstShown(const std::vector<int>& extents, int fixed, int offset) {
  const int count = static_cast<int>(extents.size());
  if (fixed >= count) return -1;
  int index = fixed;
  std::int64_t sum = 0;
  while (sum < offset && index < count - 1) sum += extents[static_cast<std::size_t>(index++)];
  return index;
}

// The last index shown from `first` on, its cells starting at `start` in a
// client area that ends at `limit`; `end` gets the far edge of that cell.
int LastShown(const std::vector<int>& extents, int first, int start, int limit, int* end) {
  std::int64_t edge = start;
  int index = first;
  const int count = static_cast<int>(extents.size());
  for (; edge < limit && index < count; ++index) edge += extents[static_cast<std::size_t>(index)];
  *end = ToPixels(edge);
  return index - 1;
}

// The index under `pos` (client pixels) along one direction, or -1.
// `past_last_is_last`: a point beyond the last cell hits it.
int IndexAt(const std::vector<int>& extents, int fixed, int first, int pos, bool allow_fixed,
            bool past_last_is_last) {
  if (pos < 0) return -1;
  const std::int64_t fixed_extent = SumOf(extents, 0, fixed);
  if (pos < fixed_extent) {
    if (!allow_fixed) return -1;
    std::int64_t edge = 0;
    for (int i = 0; i < fixed; ++i) {
      edge += extents[static_cast<std::size_t>(i)];
      if (edge > pos) return i;
    }
    return fixed;
  }
  if (first < 0) return -1;
  std::int64_t edge = fixed_extent;
  const int count = static_cast<int>(extents.size());
  for (int i = first; i < count; ++i) {
    edge += extents[static_cast<std::size_t>(i)];
    if (edge > pos) return i;
  }
  return past_last_is_last ? count - 1 : -1;
}

}  // namespace

int CGridCtrl::FixedRowHeight() const { return PixelSum(row_heights_, 0, fixed_rows_); }

int CGridCtrl::FixedColumnWidth() const { return PixelSum(column_widths_, 0, fixed_cols_); }

CCellID CGridCtrl::TopLeftScrollableCell() const {
  return CCellID(FirstShown(row_heights_, fixed_rows_, GetScrollPos(plat::SB_VERT)),
                 FirstShown(column_widths_, fixed_cols_, GetScrollPos(plat::SB_HORZ)));
}

CellRange CGridCtrl::VisibleScrollableRange(plat::Rect* visible) const {
  plat::Rect client;
  GetClientRect(&client);
  const CCellID top_left = TopLeftScrollableCell();
  CellRange range;
  int bottom = FixedRowHeight();
  int right = FixedColumnWidth();
  if (top_left.row >= 0) {
    range.min_row = top_left.row;
    range.max_row = LastShown(row_heights_, top_left.row, bottom, client.bottom, &bottom);
  }
  if (top_left.col >= 0) {
    range.min_col = top_left.col;
    range.max_col = LastShown(column_widths_, top_left.col, right, client.right, &right);
  }
  if (visible) *visible = plat::Rect{0, 0, std::min(right, client.right), std::min(bottom, client.bottom)};
  return range;
}

CellRange CGridCtrl::FullyVisibleScrollableRange() const {
  plat::Rect client;
  GetClientRect(&client);
  CellRange range = VisibleScrollableRange();
  if (range.min_row >= 0 && range.max_row > range.min_row) {
    const int bottom = FixedRowHeight() + PixelSum(row_heights_, range.min_row, range.max_row + 1);
    if (bottom > client.bottom) --range.max_row;
  }
  if (range.min_col >= 0 && range.max_col > range.min_col) {
    const int right = FixedColumnWidth() + PixelSum(column_widths_, range.min_col, range.max_col + 1);
    if (right > client.right) --range.max_col;
  }
  return range;
}

CCellID CGridCtrl::CellAtPoint(plat::Point point, bool allow_fixed) const {
  const CCellID top_left = TopLeftScrollableCell();
  return CCellID(IndexAt(row_heights_, fixed_rows_, top_left.row, point.y, allow_fixed, false),
                 IndexAt(column_widths_, fixed_cols_, top_left.col, point.x, allow_fixed, true));
}

bool CGridCtrl::CellTopLeftPoint(int row, int col, plat::Point* point) const {
  if (!IsValid(row, col)) return false;
  const CCellID top_left = TopLeftScrollableCell();
  if (row >= fixed_rows_ && row < top_left.row) return false;
  if (col >= fixed_cols_ && col < top_left.col) return false;
  plat::Point p;
  p.x = col < fixed_cols_ ? PixelSum(column_widths_, 0, col) : FixedColumnWidth() + PixelSum(column_widths_, top_left.col, col);
  p.y = row < fixed_rows_ ? PixelSum(row_heights_, 0, row) : FixedRowHeight() + PixelSum(row_heights_, top_left.row, row);
  if (point) *point = p;
  return true;
}

bool CGridCtrl::GetCellRect(int row, int col, plat::Rect* rect) const {
  plat::Point p;
  if (!CellTopLeftPoint(row, col, &p)) return false;
  if (rect) *rect = plat::Rect{p.x, p.y, p.x + GetColumnWidth(col) - 1, p.y + GetRowHeight(row) - 1};
  return true;
}

bool CGridCtrl::CellIsVisible(int row, int col) const {
  plat::Point p;
  if (!CellTopLeftPoint(row, col, &p)) return false;
  plat::Rect client;
  GetClientRect(&client);
  return p.x < client.right && p.y < client.bottom;
}

bool CGridCtrl::InvalidateCellArea(const CCellID& cell) {
  if (!GetSafeHwnd() || !redraw_allowed_ || !CellIsVisible(cell.row, cell.col)) return false;
  plat::Rect rect;
  if (!GetCellRect(cell, &rect)) return false;
  // Up to the cell's right and bottom grid lines, which it draws.
  const plat::Rect area{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
  InvalidateRect(&area);
  return true;
}

}  // namespace grid
