// Printing the grid as a paged table: a header with the program's title and
// the dialog's caption, the heading rows on every page, the rows before the
// host's PrintRowCount, and a footer with the page number and the date. One
// logical unit is one screen pixel of the grid; the page is as wide as all
// columns and a margin of 4 characters on either side.
#include <algorithm>
#include <cstdint>

#include "grid/grid_ctrl.h"
#include "grid/print_pages.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/print/print_dialog.h"

namespace grid {

namespace {

// The text whose first 52 characters measure the printer font.
constexpr std::string_view kMeasuringText = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
constexpr int kMeasuredCharacters = 52;

constexpr unsigned kPrintDialogFlags =
    plat::PD_ALLPAGES | plat::PD_NOSELECTION | plat::PD_NOPAGENUMS | plat::PD_USEDEVMODECOPIES | plat::PD_HIDEPRINTTOFILE;

constexpr unsigned kLineText = plat::DT_VCENTER | plat::DT_SINGLELINE | plat::DT_NOPREFIX;

// a * b / c rounded, as Win32's MulDiv; 0 when c is 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  return static_cast<int>((product >= 0) == (c > 0) ? (product + half) / c : (product - half) / c);
}

}  // namespace

int CGridCtrl::PrintRowLimit() const {
  return std::clamp(host_->PrintRowCount(*this), fixed_rows_, GetRowCount());
}

void CGridCtrl::Print() {
  plat::PrintInfo info;
  info.dialog.flags = kPrintDialogFlags;
  if (plat::PrintDialog(info.dialog) != plat::IDOK || !info.dialog.dc) return;
  plat::PrinterDc& dc = *info.dialog.dc;
  info.document_name = host_->ApplicationTitle(*this);
  bool good = dc.StartDoc(info.document_name) > 0;
  info.draw_rect = plat::Rect{0, 0, dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES)};
  OnBeginPrinting(dc, info);
  for (int page = info.GetMinPage(); good && page <= info.GetMaxPage(); ++page) {
    good = dc.StartPage() > 0;
    if (!good) break;
    info.current_page = page;
    OnPrint(dc, info);
    good = dc.EndPage() > 0;
  }
  OnEndPrinting(dc, info);
  if (good) {
    dc.EndDoc();
  } else {
    dc.AbortDoc();
  }
}

void CGridCtrl::OnBeginPrinting(plat::Dc& dc, plat::PrintInfo& info) {
  printer_font_ = plat::Font{};
  printer_font_.face = "Times New Roman";
  printer_font_.height = -9;
  printer_font_.weight = plat::FW_NORMAL;
  const plat::Font old_font = dc.SelectFont(printer_font_);
  const plat::Size extent = dc.GetTextExtent(kMeasuringText.substr(0, kMeasuredCharacters));
  print_char_height_ = extent.cy;
  print_char_width_ = extent.cx / kMeasuredCharacters;
  printer_width_ = dc.GetDeviceCaps(plat::HORZRES);
  printer_height_ = dc.GetDeviceCaps(plat::VERTRES);
  int columns_width = 0;
  for (const int width : column_widths_) columns_width += width;
  print_page_width_ = columns_width + 8 * print_char_width_;
  print_page_height_ = MulDiv(print_page_width_, printer_height_, printer_width_);
  print_usable_height_ = print_page_height_ - 6 * print_char_height_ - FixedRowHeight();
  const int limit = PrintRowLimit();
  print_page_rows_ = PageFirstRows(row_heights_, fixed_rows_, limit, print_usable_height_);
  print_page_rows_.push_back(limit);
  info.SetMaxPage(static_cast<int>(print_page_rows_.size()) - 1);
  info.current_page = 1;
  dc.SelectFont(old_font);
}

void CGridCtrl::OnEndPrinting(plat::Dc&, plat::PrintInfo&) {
  printer_font_ = plat::Font{};
  print_page_rows_.clear();
}

void CGridCtrl::OnPrint(plat::Dc& dc, plat::PrintInfo& info) {
  const int page_count = static_cast<int>(print_page_rows_.size()) - 1;
  if (info.current_page < 1 || info.current_page > page_count) return;
  const int cw = print_char_width_;
  const int ch = print_char_height_;
  const int saved = dc.SaveDC();
  dc.SelectFont(printer_font_);
  dc.SetMapMode(plat::MM_ANISOTROPIC);
  dc.SetWindowExt(print_page_width_, print_page_height_);
  dc.SetViewportExt(printer_width_, printer_height_);
  dc.SetWindowOrg(-4 * cw, 0);

  info.draw_rect = plat::Rect{0, 0, print_page_width_ - 8 * cw, 2 * ch};
  PrintPageHeader(dc, info);
  dc.SetWindowOrg(-4 * cw, -3 * ch);

  const int headings_height = FixedRowHeight();
  info.draw_rect.bottom = headings_height;
  PrintHeadingRow(dc, info);
  dc.SetWindowOrg(-4 * cw, -3 * ch - headings_height);

  const std::size_t page = static_cast<std::size_t>(info.current_page);
  PrintRows(dc, print_page_rows_[page - 1], print_page_rows_[page], false);

  info.draw_rect.bottom = 2 * ch;
  dc.SetWindowOrg(-4 * cw, 2 * ch - print_page_height_);
  PrintPageFooter(dc, info);
  dc.SetWindowOrg(0, 0);
  dc.RestoreDC(saved);
}

void CGridCtrl::PrintHeadingRow(plat::Dc& dc, plat::PrintInfo&) {
  const plat::Font old_font = dc.SelectFont(printer_font_);
  PrintRows(dc, 0, fixed_rows_, true);
  dc.SelectFont(old_font);
}

// Rows [first, end) from y = 0 on, every column from x = 0 on; each cell's
// rectangle includes its right and bottom pixel, where its grid lines go.
void CGridCtrl::PrintRows(plat::Dc& dc, int first, int end, bool headings) {
  int y = -1;
  for (int row = first; row < end; ++row) {
    const int top = y + 1;
    const int bottom = y + GetRowHeight(row);
    int x = -1;
    for (int col = 0; col < GetColumnCount(); ++col) {
      const plat::Rect rect{x + 1, top, x + GetColumnWidth(col), bottom};
      if (headings) {
        DrawFixedCell(dc, row, col, rect, false);
      } else {
        DrawCell(dc, row, col, rect, false);
      }
      PrintCellLines(dc, row, col, rect);
      x = rect.right;
    }
    y = bottom;
  }
}

void CGridCtrl::PrintCellLines(plat::Dc& dc, int row, int col, const plat::Rect& rect) const {
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesHorizontal) {
    const int from = col == 0 ? rect.left : rect.left - 1;
    dc.MoveTo(from, rect.bottom);
    dc.LineTo(rect.right, rect.bottom);
    if (row == 0) {
      dc.MoveTo(from, rect.top);
      dc.LineTo(rect.right, rect.top);
    }
  }
  if (grid_lines_ == kGridLinesBoth || grid_lines_ == kGridLinesVertical) {
    // Up to the line above; the first row of a page joins the headings' bottom line.
    const int from = row == 0 ? rect.top : rect.top - 1;
    dc.MoveTo(rect.right, from);
    dc.LineTo(rect.right, rect.bottom);
    if (col == 0) {
      dc.MoveTo(rect.left, from);
      dc.LineTo(rect.left, rect.bottom);
    }
  }
}

void CGridCtrl::PrintPageHeader(plat::Dc& dc, plat::PrintInfo& info) {
  plat::Font bold = printer_font_;
  bold.weight = plat::FW_BOLD;
  const plat::Font old_font = dc.SelectFont(bold);
  const int old_mode = dc.SetBkMode(plat::TRANSPARENT);
  plat::Rect rect = info.draw_rect;
  dc.DrawText(host_->ApplicationTitle(*this), rect, plat::DT_RIGHT | kLineText);
  std::string caption;
  for (const plat::Window* w = GetParent(); w && caption.empty(); w = w->GetParent()) caption = w->GetWindowText();
  rect = info.draw_rect;
  dc.DrawText(caption, rect, plat::DT_CENTER | kLineText);
  dc.SetBkMode(old_mode);
  dc.SelectFont(old_font);
  const plat::Pen old_pen = dc.SelectPen(plat::StockPen(plat::BLACK_PEN));
  dc.MoveTo(info.draw_rect.left, info.draw_rect.bottom);
  dc.LineTo(info.draw_rect.right, info.draw_rect.bottom);
  dc.SelectPen(old_pen);
}

void CGridCtrl::PrintPageFooter(plat::Dc& dc, plat::PrintInfo& info) {
  dc.MoveTo(info.draw_rect.left, info.draw_rect.top);
  dc.LineTo(info.draw_rect.right, info.draw_rect.top);
  plat::Font bold = printer_font_;
  bold.weight = plat::FW_BOLD;
  const plat::Font old_font = dc.SelectFont(bold);
  const int old_mode = dc.SetBkMode(plat::TRANSPARENT);
  plat::Rect rect = info.draw_rect;
  rect.top += print_char_height_ / 2;
  rect.bottom += print_char_height_ / 2;
  const std::string page =
      "Page " + std::to_string(info.current_page) + " of " + std::to_string(info.GetMaxPage());
  plat::Rect left = rect;
  dc.DrawText(page, left, plat::DT_LEFT | plat::DT_NOCLIP | kLineText);
  std::string date = plat::FormatLocalTime(plat::NowSeconds(), "%c");
  if (date.size() > 128) date.clear();
  dc.DrawText(date, rect, plat::DT_RIGHT | plat::DT_NOCLIP | kLineText);
  dc.SetBkMode(old_mode);
  dc.SelectFont(old_font);
}

}  // namespace grid
