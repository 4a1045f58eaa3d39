// Scrolling: the scroll bars' ranges, the scroll messages, the wheel and
// scrolling a cell into view. The grid scrolls by whole rows and columns; the
// headings stay.
#include <algorithm>
#include <cstdint>

#include "grid/extents.h"
#include "grid/grid_ctrl.h"
#include "grid/wheel_scroll.h"

namespace grid {

// Showing or hiding a bar changes the client area and sends WM_SIZE from
// inside SetScrollInfo, which calls here again: that inner call does nothing,
// and this one sets the ranges anew for the new client area.
void CGridCtrl::UpdateScrollRanges() {
  if (!redraw_allowed_ || !GetSafeHwnd() || updating_scroll_ranges_) return;
  updating_scroll_ranges_ = true;
  for (int pass = 0; pass < 4 && !SetScrollRangesOnce(); ++pass) {
  }
  updating_scroll_ranges_ = false;
}

bool CGridCtrl::SetScrollRangesOnce() {
  plat::Rect client;
  GetClientRect(&client);
  const int fixed_width = FixedColumnWidth();
  const int fixed_height = FixedRowHeight();
  // Headings that fill the client area leave nothing to scroll in.
  if (fixed_width >= client.Width() || fixed_height >= client.Height()) return true;
  const int page_width = client.Width() - fixed_width;
  const int page_height = client.Height() - fixed_height;
  // Without a non-fixed row or column there is no cell to scroll to.
  const bool scrollable = fixed_rows_ < GetRowCount() && fixed_cols_ < GetColumnCount();
  const std::int64_t rows = scrollable ? SumOf(row_heights_, fixed_rows_, GetRowCount()) : 0;
  const std::int64_t cols = scrollable ? SumOf(column_widths_, fixed_cols_, GetColumnCount()) : 0;
  vscroll_max_ = page_height < rows ? ToPixels(rows - 1) : 0;
  hscroll_max_ = page_width < cols ? ToPixels(cols - 1) : 0;
  // Range and page in one call: a page set alone is first clamped to the old range.
  plat::SCROLLINFO info;
  info.fMask = plat::SIF_RANGE | plat::SIF_PAGE;
  info.nMin = 0;
  info.nMax = vscroll_max_;
  info.nPage = static_cast<UINT>(page_height);
  SetScrollInfo(plat::SB_VERT, info);
  plat::Rect now;
  GetClientRect(&now);
  if (now != client) return false;
  info.nMax = hscroll_max_;
  info.nPage = static_cast<UINT>(page_width);
  SetScrollInfo(plat::SB_HORZ, info);
  GetClientRect(&now);
  return now == client;
}

void CGridCtrl::OnHScroll(UINT code, UINT pos, plat::Window*) { Scroll(plat::SB_HORZ, code, pos); }

void CGridCtrl::OnVScroll(UINT code, UINT pos, plat::Window*) { Scroll(plat::SB_VERT, code, pos); }

void CGridCtrl::Scroll(int bar, UINT code, UINT pos) {
  if (plat::Window::GetFocus() != this) SetFocus();
  const bool vertical = bar == plat::SB_VERT;
  const std::vector<int>& extents = vertical ? row_heights_ : column_widths_;
  const int fixed_count = vertical ? fixed_rows_ : fixed_cols_;
  const auto first_shown = [&] {
    const CCellID top_left = TopLeftScrollableCell();
    return vertical ? top_left.row : top_left.col;
  };
  const int first = first_shown();
  if (first < 0) return;  // nothing to scroll
  const int maximum = vertical ? vscroll_max_ : hscroll_max_;
  plat::Rect client;
  GetClientRect(&client);
  const int fixed_extent = vertical ? FixedRowHeight() : FixedColumnWidth();
  const int page = (vertical ? client.Height() : client.Width()) - fixed_extent;
  const int p = GetScrollPos(bar);
  switch (code) {
    case plat::SB_LINEUP:
    case plat::SB_LINEDOWN: {
      if (code == plat::SB_LINEUP) {
        if (p < 1 || first <= fixed_count) return;
        SetScrollPos(bar, std::max(p - extents[static_cast<std::size_t>(first - 1)], 0));
      } else {
        if (p >= maximum) return;
        SetScrollPos(bar, ToPixels(std::int64_t{p} + extents[static_cast<std::size_t>(first)]));
      }
      // The picture moves by the rows (columns) that came or went.
      const int now = first_shown();
      if (now == first) return;
      const int shift = now < first ? ToPixels(SumOf(extents, now, first)) : -ToPixels(SumOf(extents, first, now));
      plat::Rect part = client;
      (vertical ? part.top : part.left) = fixed_extent;
      if (vertical) {
        ScrollWindow(0, shift, &part, &part);
      } else {
        ScrollWindow(shift, 0, &part, &part);
      }
      plat::Rect strip = part;
      if (shift > 0) {
        (vertical ? strip.bottom : strip.right) = fixed_extent + shift;
      } else {
        (vertical ? strip.top : strip.left) = (vertical ? client.bottom : client.right) + shift;
      }
      InvalidateRect(&strip);
      return;
    }
    case plat::SB_PAGEUP:
      if (p < 1) return;
      SetScrollPos(bar, std::max(p - page, 0));
      InvalidateScrollablePart(bar);
      return;
    case plat::SB_PAGEDOWN:
      if (p >= maximum) return;
      SetScrollPos(bar, ToPixels(std::min<std::int64_t>(maximum, std::int64_t{p} + page)));
      InvalidateScrollablePart(bar);
      return;
    case plat::SB_THUMBPOSITION:
    case plat::SB_THUMBTRACK: {
      // While the user drags the thumb its place is the track position (not
      // cut to 16 bits); a message sent by a program carries its own.
      plat::SCROLLINFO info;
      info.fMask = plat::SIF_TRACKPOS;
      GetScrollInfo(bar, &info);
      SetScrollPos(bar, info.nTrackPos != p ? info.nTrackPos : static_cast<int>(pos));
      InvalidateScrollablePart(bar);
      return;
    }
    case plat::SB_TOP:
      if (p < 1) return;
      SetScrollPos(bar, 0);
      Invalidate();
      return;
    case plat::SB_BOTTOM:
      if (p >= maximum) return;
      SetScrollPos(bar, maximum);
      Invalidate();
      return;
    default: return;
  }
}

void CGridCtrl::InvalidateScrollablePart(int bar) {
  plat::Rect part;
  GetClientRect(&part);
  if (bar == plat::SB_VERT) {
    part.top = FixedRowHeight();
  } else {
    part.left = FixedColumnWidth();
  }
  InvalidateRect(&part);
}

bool CGridCtrl::OnMouseWheel(UINT flags, short delta, plat::Point point) {
  const WheelScroll scroll = WheelScrollPosts(delta, wheel_lines_, GetRowCount());
  for (int i = 0; i < scroll.count; ++i) PostMessage(plat::WM_VSCROLL, plat::MAKEWPARAM(scroll.code, 0), 0);
  return Window::OnMouseWheel(flags, delta, point);
}

void CGridCtrl::ScrollCellIntoView(int row, int col) {
  if (!IsValid(row, col)) return;
  const auto send = [this](UINT message, UINT code, int times) {
    for (int i = 0; i < times; ++i) SendMessage(message, plat::MAKEWPARAM(code, 0), 0);
  };
  const CellRange shown = VisibleScrollableRange();
  if (shown.min_col >= 0 && shown.max_col >= shown.min_col) {
    send(plat::WM_HSCROLL, plat::SB_LINERIGHT, col - shown.max_col);
    send(plat::WM_HSCROLL, plat::SB_LINELEFT, shown.min_col - col);
  }
  if (shown.min_row >= 0 && shown.max_row >= shown.min_row) {
    send(plat::WM_VSCROLL, plat::SB_LINEDOWN, row - shown.max_row);
    send(plat::WM_VSCROLL, plat::SB_LINEUP, shown.min_row - row);
  }
  plat::Rect rect;
  plat::Rect client;
  GetClientRect(&client);
  if (GetCellRect(row, col, &rect) && rect.right >= client.right) send(plat::WM_HSCROLL, plat::SB_LINERIGHT, 1);
  if (GetCellRect(row, col, &rect) && rect.bottom >= client.bottom) send(plat::WM_VSCROLL, plat::SB_LINEDOWN, 1);
}

}  // namespace grid
