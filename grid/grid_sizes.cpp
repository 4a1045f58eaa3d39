// Row heights, column widths, the grid's font and the sizes measured in it.
#include <algorithm>

#include "grid/column_stretch.h"
#include "grid/grid_ctrl.h"
#include "platform/dc/painter_dc.h"

namespace grid {

int CGridCtrl::GetRowHeight(int row) const {
  return row >= 0 && row < GetRowCount() ? row_heights_[static_cast<std::size_t>(row)] : 0;
}

int CGridCtrl::GetColumnWidth(int col) const {
  return col >= 0 && col < GetColumnCount() ? column_widths_[static_cast<std::size_t>(col)] : 0;
}

bool CGridCtrl::SetRowHeight(int row, int height) {
  if (row < 0 || row >= GetRowCount() || height < 0) return false;
  row_heights_[static_cast<std::size_t>(row)] = height;
  UpdateScrollRanges();
  return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= GetColumnCount() || width < 0) return false;
  column_widths_[static_cast<std::size_t>(col)] = width;
  UpdateScrollRanges();
  return true;
}

void CGridCtrl::SetRedraw(bool allow, bool reset_scroll_bars) {
  redraw_allowed_ = allow;
  if (!allow || !GetSafeHwnd()) return;
  if (reset_scroll_bars) UpdateScrollRanges();
  Invalidate();
}

// ---- The font ----

void CGridCtrl::OnSetFont(const plat::Font* font, bool) {
  Default();
  if (!font) return;
  font_ = *font;
  for (Row& cells : rows_) {
    for (auto& cell : cells) {
      if (cell) cell->font = font_;
    }
  }
  MeasureFont();
  if (GetSafeHwnd()) Invalidate();
}

// The margin is one blank of the font; the default sizes follow from it.
void CGridCtrl::MeasureFont() {
  plat::PainterDc dc(scratch_);
  dc.SelectFont(font_);
  const plat::TextMetrics tm = dc.GetTextMetrics();
  margin_ = dc.GetTextExtent(" ").cx;
  default_row_height_ = tm.height + tm.external_leading + 2 * margin_;
  default_col_width_ = 12 * tm.ave_char_width + 2 * margin_;
}

plat::Size CGridCtrl::MeasureCellText(int row, int col, plat::Dc& dc) {
  const CGridCell* cell = GetCell(row, col);
  if (!cell) return plat::Size{};
  plat::Font font = cell->font;
  if (row < fixed_rows_ || col < fixed_cols_) font.weight = plat::FW_SEMIBOLD;
  const plat::Font old = dc.SelectFont(font);
  plat::Size size = cell->text.empty() ? plat::Size{0, dc.GetTextMetrics().height} : dc.GetTextExtent(cell->text);
  dc.SelectFont(old);
  size.cx += 4 * margin_;
  size.cy += 2 * margin_;
  if (image_list_ && cell->image >= 0 && cell->image < static_cast<int>(image_list_->size())) {
    const plat::Bitmap& image = (*image_list_)[static_cast<std::size_t>(cell->image)];
    size.cx += image.width();
    size.cy = std::max(size.cy, image.height());
  }
  return size;
}

bool CGridCtrl::FitColumnWidth(int col) { return FitToText(column_widths_, col, false); }

bool CGridCtrl::FitRowHeight(int row) { return FitToText(row_heights_, row, true); }

// Sizes a column (a row) to the widest (tallest) text of its cells.
bool CGridCtrl::FitToText(std::vector<int>& extents, int index, bool row) {
  if (index < 0 || index >= static_cast<int>(extents.size())) return false;
  int largest = 0;
  {
    plat::PainterDc dc(scratch_);
    const int others = row ? GetColumnCount() : GetRowCount();
    for (int i = 0; i < others; ++i) {
      const plat::Size size = row ? MeasureCellText(index, i, dc) : MeasureCellText(i, index, dc);
      largest = std::max(largest, row ? size.cy : size.cx);
    }
  }
  extents[static_cast<std::size_t>(index)] = largest;
  UpdateScrollRanges();
  return true;
}

void CGridCtrl::StretchColumnsToWidth() {
  if (column_widths_.empty()) return;
  plat::Rect client;
  GetClientRect(&client);
  column_widths_ = StretchWidths(column_widths_, client.Width());
  UpdateScrollRanges();
  if (redraw_allowed_ && GetSafeHwnd()) Invalidate();
}

}  // namespace grid
