// Painting: the background, the heading cells, the ordinary cells and the
// grid lines, drawn on the window's backing image (already flicker-free), and
// single cells redrawn at once on a window Dc.
#include <algorithm>

#include "grid/grid_ctrl.h"
#include "platform/controls/control.h"

namespace grid {

namespace {

// Fills the rectangle when it has an area.
void Fill(plat::Dc& dc, int left, int top, int right, int bottom, plat::ColorRef colour) {
  if (right > left && bottom > top) dc.FillRect(plat::Rect{left, top, right, bottom}, plat::Brush::Solid(colour));
}

plat::Rect Widened(const plat::Rect& r) { return plat::Rect{r.left, r.top, r.right + 1, r.bottom + 1}; }

void Shrink(plat::Rect& r, int dx, int dy) {
  r.left += dx;
  r.right -= dx;
  r.top += dy;
  r.bottom -= dy;
}

}  // namespace

void CGridCtrl::OnPaint(plat::Dc& dc) { OnDraw(dc); }

bool CGridCtrl::OnEraseBkgnd(plat::Dc&) { return true; }

// The background of the part of the clip box that cells, headings and the
// area outside them cover.
void CGridCtrl::EraseBkgnd(plat::Dc& dc) {
  const plat::Rect clip = dc.GetClipBox();
  plat::Rect visible;
  VisibleScrollableRange(&visible);
  const int fixed_width = FixedColumnWidth();
  const int fixed_height = FixedRowHeight();
  if (clip.left < fixed_width && clip.top < visible.bottom) {
    Fill(dc, clip.left, clip.top, fixed_width, visible.bottom, colours_.fixed_background);
  }
  if (clip.top < fixed_height && clip.right > fixed_width && clip.left < visible.right) {
    Fill(dc, fixed_width - 1, clip.top, visible.right, fixed_height, colours_.fixed_background);
  }
  Fill(dc, std::max({clip.left, visible.left, fixed_width}), std::max({clip.top, visible.top, fixed_height}),
       std::min(clip.right, visible.right), std::min(clip.bottom, visible.bottom), colours_.text_background);
  if (visible.right < clip.right) Fill(dc, visible.right, clip.top, clip.right, clip.bottom, colours_.background);
  if (visible.bottom < clip.bottom && clip.left < visible.right) {
    Fill(dc, clip.left, visible.bottom, visible.right, clip.bottom, colours_.background);
  }
}

void CGridCtrl::OnDraw(plat::Dc& dc) {
  const plat::Rect clip = dc.GetClipBox();
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  EraseBkgnd(dc);
  const int fixed_width = FixedColumnWidth();
  const int fixed_height = FixedRowHeight();
  const CellRange shown = VisibleScrollableRange();

  // The cells of rows [first_row, last_row] and columns [first_col, last_col]
  // starting at (x0, y0), skipping those outside the clip box.
  const auto draw_block = [&](int first_row, int last_row, int y0, int first_col, int last_col, int x0, bool fixed) {
    int top = y0;
    for (int row = first_row; row <= last_row; ++row) {
      const int height = GetRowHeight(row);
      const int bottom = top + height - 1;
      if (top >= clip.bottom) break;
      if (bottom >= clip.top) {
        int left = x0;
        for (int col = first_col; col <= last_col; ++col) {
          const int right = left + GetColumnWidth(col) - 1;
          if (left >= clip.right) break;
          if (right >= clip.left) {
            const plat::Rect rect{left, top, right, bottom};
            if (fixed) {
              DrawFixedCell(dc, row, col, rect, false);
            } else {
              DrawCell(dc, row, col, rect, false);
            }
          }
          left = right + 1;
        }
      }
      top = bottom + 1;
    }
  };
  const bool rows_shown = shown.min_row >= 0 && shown.max_row >= shown.min_row;
  const bool cols_shown = shown.min_col >= 0 && shown.max_col >= shown.min_col;
  draw_block(0, fixed_rows_ - 1, 0, 0, fixed_cols_ - 1, 0, true);
  if (rows_shown) draw_block(shown.min_row, shown.max_row, fixed_height, 0, fixed_cols_ - 1, 0, true);
  if (cols_shown) draw_block(0, fixed_rows_ - 1, 0, shown.min_col, shown.max_col, fixed_width, true);
  if (rows_shown && cols_shown) {
    draw_block(shown.min_row, shown.max_row, fixed_height, shown.min_col, shown.max_col, fixed_width, false);
  }
  if (!rows_shown || !cols_shown) return;

  // The grid lines at the right and bottom pixel of every cell shown.
  plat::Rect visible;
  VisibleScrollableRange(&visible);
  const plat::Pen old_pen = dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, colours_.grid_lines});
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesVertical) {
    int x = fixed_width;
    for (int col = shown.min_col; col <= shown.max_col; ++col) {
      x += GetColumnWidth(col);
      dc.MoveTo(x - 1, fixed_height);
      dc.LineTo(x - 1, visible.bottom);
    }
  }
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesHorizontal) {
    int y = fixed_height;
    for (int row = shown.min_row; row <= shown.max_row; ++row) {
      y += GetRowHeight(row);
      dc.MoveTo(fixed_width, y - 1);
      dc.LineTo(visible.right, y - 1);
    }
  }
  dc.SelectPen(old_pen);
}

// Draws an image of the image list at the rectangle's top-left and moves the
// rectangle's left edge past it.
void CGridCtrl::DrawCellImage(plat::Dc& dc, int image, plat::Rect& rect) const {
  if (!image_list_ || image < 0 || image >= static_cast<int>(image_list_->size())) return;
  const plat::Bitmap& picture = (*image_list_)[static_cast<std::size_t>(image)];
  plat::DrawPicture(dc, picture, rect.left, rect.top);
  rect.left += picture.width() + margin_ + 1;
}

bool CGridCtrl::DrawFixedCell(plat::Dc& dc, int row, int col, plat::Rect rect, bool erase) {
  if (!redraw_allowed_) return false;
  const CGridCell* cell = GetCell(row, col);
  if (!cell) return false;
  if (!dc.IsPrinting() && (cell->background != kDefaultColour || erase)) {
    const plat::ColorRef background =
        cell->background != kDefaultColour ? cell->background : colours_.fixed_background;
    dc.FillRect(rect, plat::Brush::Solid(background));
  }
  dc.SetTextColor(cell->text_colour != kDefaultColour ? cell->text_colour : colours_.fixed_text);
  const int saved = dc.SaveDC();
  // A printed page shows no focus.
  const bool in_focus_line = !dc.IsPrinting() && IsValid(focus_) && (focus_.row == row || focus_.col == col);
  plat::Font font = cell->font;
  if (in_focus_line) font.weight = plat::FW_SEMIBOLD;
  dc.SelectFont(font);
  if (in_focus_line) {
    dc.DrawEdge(Widened(rect), plat::EDGE_RAISED, plat::BF_RECT);
  } else {
    dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::GetSysColor(plat::COLOR_3DHIGHLIGHT)});
    dc.MoveTo(rect.right, rect.top);
    dc.LineTo(rect.left, rect.top);
    dc.LineTo(rect.left, rect.bottom);
    dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::GetSysColor(plat::COLOR_3DDKSHADOW)});
    dc.MoveTo(rect.right, rect.top);
    dc.LineTo(rect.right, rect.bottom);
    dc.LineTo(rect.left, rect.bottom);
  }
  Shrink(rect, 1, 1);
  dc.SetBkMode(plat::TRANSPARENT);
  Shrink(rect, margin_, 0);
  DrawCellImage(dc, cell->image, rect);
  dc.DrawText(cell->text, rect, cell->format);
  dc.RestoreDC(saved);
  return true;
}

bool CGridCtrl::DrawCell(plat::Dc& dc, int row, int col, plat::Rect rect, bool erase) {
  if (!redraw_allowed_) return false;
  const CGridCell* cell = GetCell(row, col);
  if (!cell) return false;
  const plat::ColorRef background = cell->background != kDefaultColour ? cell->background : colours_.text_background;
  const plat::ColorRef text = cell->text_colour != kDefaultColour ? cell->text_colour : colours_.text;
  const bool fill = cell->background != kDefaultColour || erase;
  const int saved = dc.SaveDC();
  dc.SetBkMode(plat::TRANSPARENT);
  const bool printing = dc.IsPrinting();
  if ((cell->state & kStateFocused) && !printing) {
    if (fill) dc.FillRect(Widened(rect), plat::Brush::Solid(background));
    dc.SelectPen(plat::StockPen(plat::BLACK_PEN));
    dc.SelectBrush(plat::Brush::Null());
    dc.Rectangle(rect);
    dc.SetTextColor(text);
    Shrink(rect, 1, 1);
  } else if ((cell->state & kStateSelected) && !printing) {
    dc.FillRect(Widened(rect), plat::Brush::Solid(plat::GetSysColor(plat::COLOR_HIGHLIGHT)));
    dc.SetTextColor(plat::GetSysColor(plat::COLOR_HIGHLIGHTTEXT));
  } else {
    if (fill) dc.FillRect(Widened(rect), plat::Brush::Solid(background));
    dc.SetTextColor(text);
  }
  if ((cell->state & kStateDropTarget) && !printing) {
    dc.SelectPen(plat::StockPen(plat::BLACK_PEN));
    dc.SelectBrush(plat::Brush::Null());
    dc.Rectangle(rect);
  }
  dc.SelectFont(cell->font);
  Shrink(rect, margin_, 0);
  DrawCellImage(dc, cell->image, rect);
  dc.DrawText(cell->text, rect, cell->format);
  dc.RestoreDC(saved);
  return true;
}

bool CGridCtrl::RepaintCell(int row, int col, plat::Dc* dc) {
  if (!redraw_allowed_ || !CellIsVisible(row, col)) return false;
  plat::Rect rect;
  if (!GetCellRect(row, col, &rect)) return false;
  std::unique_ptr<plat::Dc> own;
  if (!dc) {
    own = GetDC();
    if (!own) return InvalidateCellArea(CCellID(row, col));
    dc = own.get();
  }
  if (row < fixed_rows_ || col < fixed_cols_) {
    DrawFixedCell(*dc, row, col, rect, true);
  } else {
    DrawCell(*dc, row, col, rect, true);
  }
  // The grid lines of an ordinary cell, as a whole paint draws them.
  if (row < fixed_rows_ || col < fixed_cols_) return true;
  const plat::Pen old_pen = dc->SelectPen(plat::Pen{plat::PS_SOLID, 0, colours_.grid_lines});
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesHorizontal) {
    dc->MoveTo(rect.left, rect.bottom);
    dc->LineTo(rect.right + 1, rect.bottom);
  }
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesVertical) {
    dc->MoveTo(rect.right, rect.top);
    dc->LineTo(rect.right, rect.bottom + 1);
  }
  dc->SelectPen(old_pen);
  return true;
}

bool CGridCtrl::RepaintColumn(int col) {
  std::unique_ptr<plat::Dc> dc = GetDC();
  bool all = true;
  for (int row = 0; row < GetRowCount(); ++row) all = RepaintCell(row, col, dc.get()) && all;
  return all;
}

}  // namespace grid
