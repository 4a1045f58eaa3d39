// The mouse and typed characters: focus and selection by clicks and drags,
// resizing rows and columns at their dividers, the auto-scroll timer, the
// switch cells, editing by a click or a typed character, and title tips.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "grid/grid_ctrl.h"
#include "platform/window/cursor.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace grid {

namespace {

void ShowCursor(int id) { plat::SetCursor(plat::LoadCursor(id)); }

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

}  // namespace

// ---- Dividers ----

int CGridCtrl::DividerColumn(plat::Point point) const {
  const CCellID cell = CellAtPoint(point, true);
  plat::Point origin;
  if (cell.col < 0 || !CellTopLeftPoint(std::max(cell.row, 0), cell.col, &origin)) return -1;
  if (point.x < origin.x + kResizeCaptureRange) return cell.col - 1;
  if (point.x >= origin.x + GetColumnWidth(cell.col) - kResizeCaptureRange) return cell.col;
  return -1;
}

int CGridCtrl::DividerRow(plat::Point point) const {
  const CCellID cell = CellAtPoint(point, true);
  plat::Point origin;
  if (cell.row < 0 || !CellTopLeftPoint(cell.row, std::max(cell.col, 0), &origin)) return -1;
  if (point.y < origin.y + kResizeCaptureRange) return cell.row - 1;
  if (point.y >= origin.y + GetRowHeight(cell.row) - kResizeCaptureRange) return cell.row;
  return -1;
}

void CGridCtrl::HoverOverDividers(plat::Point point) {
  int mode = kMouseNothing;
  if (point.y < FixedRowHeight() && col_resize_) {
    if (DividerColumn(point) >= 0) mode = kMouseOverColumnDivider;
  } else if (point.x < FixedColumnWidth() && row_resize_) {
    if (DividerRow(point) >= 0) mode = kMouseOverRowDivider;
  }
  if (mode == kMouseOverColumnDivider) {
    ShowCursor(plat::IDC_SIZEWE);
  } else if (mode == kMouseOverRowDivider) {
    ShowCursor(plat::IDC_SIZENS);
  } else if (mouse_mode_ != kMouseNothing) {
    ShowCursor(plat::IDC_ARROW);
  }
  mouse_mode_ = mode;
}

void CGridCtrl::InvertResizeLine(plat::Point point, bool vertical) {
  std::unique_ptr<plat::Dc> dc = GetDC();
  if (!dc) return;
  plat::Rect client;
  GetClientRect(&client);
  dc->SetROP2(plat::R2_NOT);
  for (int i = 0; i < 2; ++i) {
    if (vertical) {
      dc->MoveTo(point.x + i, client.top);
      dc->LineTo(point.x + i, client.bottom);
    } else {
      dc->MoveTo(client.left, point.y + i);
      dc->LineTo(client.right, point.y + i);
    }
  }
}

// A resize starts at a divider: the line follows the pointer, which stays
// right of (below) the resized column's left (row's top) edge.
void CGridCtrl::StartResize(plat::Point point, bool column) {
  mouse_mode_ = column ? kMouseSizingColumn : kMouseSizingRow;
  resize_index_ = column ? DividerColumn(point) : DividerRow(point);
  InvertResizeLine(point, column);
  plat::Point origin;
  CellTopLeftPoint(column ? 0 : std::max(resize_index_, 0), column ? std::max(resize_index_, 0) : 0, &origin);
  plat::Rect confine;
  GetClientRect(&confine);
  if (column) {
    confine.left = origin.x;
  } else {
    confine.top = origin.y;
  }
  ClientToScreen(&confine);
  plat::ClipCursor(&confine);
}

// ---- Buttons ----

void CGridCtrl::OnLButtonDown(UINT flags, plat::Point point) {
  plat::Window* had_focus = plat::Window::GetFocus();
  mouse_down_point_ = point;
  clicked_ = CellAtPoint(point, true);
  if (!IsValid(clicked_)) return;
  // A resize at a divider leaves the focus, the anchor and the selection where
  // they were: a heading's jump to row (column) 1, perhaps scrolled off,
  // would leave the keys that lead there nothing to do.
  if (mouse_mode_ == kMouseOverRowDivider || mouse_mode_ == kMouseOverColumnDivider) {
    SetFocus();
    SetCapture();
    StartResize(point, mouse_mode_ == kMouseOverColumnDivider);
    return;
  }
  anchor_ = (flags & plat::MK_SHIFT) && IsValid(focus_) ? focus_ : clicked_;
  SetFocus();
  if (clicked_ == focus_) {
    mouse_mode_ = kMousePrepareEdit;
    return;
  }
  SetFocusCell(-1, -1);
  SetFocusCell(std::max(fixed_rows_, clicked_.row), std::max(fixed_cols_, clicked_.col));

  // A switch cell flips between "0" and "1"; other texts stay. Headings never switch.
  const bool fixed_cell = clicked_.row < fixed_rows_ || clicked_.col < fixed_cols_;
  if (!fixed_cell && host_->IsSwitchCell(*this, clicked_.row, clicked_.col)) {
    const int value = std::atoi(GetItemText(clicked_.row, clicked_.col).c_str());
    if (value == 0 || value == 1) {
      SetItemText(clicked_.row, clicked_.col, value == 0 ? "1" : "0");
      RepaintCell(clicked_.row, clicked_.col);
    }
  }

  if (drag_and_drop_ && had_focus == this && (GetItemState(clicked_.row, clicked_.col) & kStateSelected)) {
    mouse_mode_ = kMousePrepareDrag;
    return;
  }

  SetCapture();
  previous_selection_.clear();
  if (flags & plat::MK_CONTROL) KeepSelectionAsPrevious();
  if (!fixed_cell) {
    mouse_mode_ = list_mode_ ? kMouseSelectRows : kMouseSelectCells;
    ExtendSelectionTo(clicked_);
  } else if (clicked_.col < fixed_cols_ && clicked_.row >= fixed_rows_) {
    HeadingColumnClicked(clicked_);
  } else if (clicked_.row < fixed_rows_) {
    HeadingRowClicked(clicked_);
  }
  SetTimer(kAutoScrollTimer, kAutoScrollMs);
  last_mouse_point_ = point;
}

void CGridCtrl::OnMouseMove(UINT flags, plat::Point point) {
  plat::Rect client;
  GetClientRect(&client);
  const bool inside = point.x >= client.left && point.x < client.right && point.y >= client.top && point.y < client.bottom;
  if (!inside && mouse_mode_ != kMouseDragging) return;
  if (flags & plat::MK_LBUTTON) {
    if (IsValid(clicked_)) {
      switch (mouse_mode_) {
        case kMouseSelectColumns:
        case kMouseSelectRows:
        case kMouseSelectCells: {
          const CCellID cell = CellAtPoint(point, true);
          if (IsValid(cell)) {
            ExtendSelectionTo(cell);
            if (cell.row >= fixed_rows_ && cell.col >= fixed_cols_) SetFocusCell(cell);
          }
          break;
        }
        case kMouseSizingRow:
          InvertResizeLine(last_mouse_point_, false);
          InvertResizeLine(point, false);
          break;
        case kMouseSizingColumn:
          InvertResizeLine(last_mouse_point_, true);
          InvertResizeLine(point, true);
          break;
        case kMousePrepareDrag: StartCellDrag(); break;
        default: break;
      }
    }
    last_mouse_point_ = point;
    return;
  }
  HoverOverDividers(point);
  if (mouse_mode_ == kMouseNothing && title_tips_) ShowTitleTip(point);
  last_mouse_point_ = point;
}

void CGridCtrl::OnLButtonUp(UINT flags, plat::Point point) {
  Window::OnLButtonUp(flags, point);
  plat::ClipCursor(nullptr);
  if (plat::Window::GetCapture() == this) {
    plat::ReleaseCapture();
    KillTimer(kAutoScrollTimer);
  }
  switch (mouse_mode_) {
    case kMousePrepareEdit: BeginCellEdit(focus_.row, focus_.col, plat::VK_LBUTTON); break;
    case kMousePrepareDrag: SelectCellRange(-1, -1, -1, -1); break;
    case kMouseSizingColumn:
    case kMouseSizingRow: {
      const bool column = mouse_mode_ == kMouseSizingColumn;
      InvertResizeLine(last_mouse_point_, column);
      plat::Point origin;
      if (point != mouse_down_point_ && resize_index_ >= 0 &&
          CellTopLeftPoint(column ? 0 : resize_index_, column ? resize_index_ : 0, &origin)) {
        const int size = column ? point.x - origin.x : point.y - origin.y;
        if (size >= 0) {
          if (column) {
            SetColumnWidth(resize_index_, size);
          } else {
            SetRowHeight(resize_index_, size);
          }
        }
        UpdateScrollRanges();
        Invalidate();
      }
      break;
    }
    default: break;
  }
  mouse_mode_ = kMouseNothing;
  ShowCursor(plat::IDC_ARROW);
  if (IsValid(clicked_)) {
    plat::Window* target = GetOwner();
    if (!target) target = GetParent();
    if (target) {
      target->PostMessage(plat::WM_COMMAND, plat::MAKEWPARAM(GetDlgCtrlID(), plat::BN_CLICKED),
                          plat::HandleParam(GetSafeHwnd()));
    }
  }
}

void CGridCtrl::OnLButtonDblClk(UINT flags, plat::Point point) {
  // The button-up before left the mode at 0: look at the dividers again.
  if (mouse_mode_ == kMouseNothing) HoverOverDividers(point);
  if (mouse_mode_ == kMouseOverColumnDivider) {
    if (const int col = DividerColumn(point); col >= 0) FitColumnWidth(col);
    Invalidate();
  } else if (mouse_mode_ == kMouseOverRowDivider) {
    if (const int row = DividerRow(point); row >= 0) FitRowHeight(row);
    Invalidate();
  } else if (mouse_mode_ == kMouseNothing) {
    if (IsValid(clicked_) && clicked_.row >= fixed_rows_ && clicked_.col >= fixed_cols_) {
      BeginCellEdit(focus_.row, focus_.col, plat::VK_LBUTTON);
    } else if (list_mode_ && IsValid(clicked_) && clicked_.col < fixed_cols_ && clicked_.row >= fixed_rows_) {
      BeginCellEdit(clicked_.row, clicked_.col, plat::VK_LBUTTON);
    }
  }
  Window::OnLButtonDblClk(flags, point);
}

bool CGridCtrl::OnSetCursor(plat::Window* window, UINT hit_test, UINT message) {
  if (hit_test != plat::HTCLIENT) return Window::OnSetCursor(window, hit_test, message);
  switch (mouse_mode_) {
    case kMouseOverRowDivider: ShowCursor(plat::IDC_SIZENS); break;
    case kMouseOverColumnDivider: ShowCursor(plat::IDC_SIZEWE); break;
    case kMouseDragging: break;
    default: ShowCursor(plat::IDC_ARROW); break;
  }
  return true;
}

void CGridCtrl::OnCaptureChanged(plat::Window* window) {
  if (window != this) {
    KillTimer(kAutoScrollTimer);
    if (mouse_mode_ == kMouseDragging) mouse_mode_ = kMouseNothing;
  }
  Window::OnCaptureChanged(window);
}

// ---- Auto-scroll ----

void CGridCtrl::OnTimer(plat::UINT_PTR id) {
  if (id != kAutoScrollTimer) return;
  plat::Point point;
  if (!plat::GetCursorPos(&point)) return;
  ScreenToClient(&point);
  plat::Rect client;
  GetClientRect(&client);
  const int x = std::clamp(point.x, client.left, client.right);
  const int y = std::clamp(point.y, client.top, client.bottom);
  if (point.y > client.bottom) {
    SendMessage(plat::WM_KEYDOWN, plat::VK_DOWN, 0);
    ExtendSelectionTo(CellAtPoint(plat::Point{x, client.bottom}, true));
  } else if (point.y < FixedRowHeight()) {
    SendMessage(plat::WM_KEYDOWN, plat::VK_UP, 0);
    ExtendSelectionTo(CellAtPoint(plat::Point{x, FixedRowHeight() + 1}, true));
  }
  if (point.x > client.right) {
    SendMessage(plat::WM_KEYDOWN, plat::VK_RIGHT, 0);
    ExtendSelectionTo(CellAtPoint(plat::Point{client.right, y}, true));
  } else if (point.x < FixedColumnWidth()) {
    SendMessage(plat::WM_KEYDOWN, plat::VK_LEFT, 0);
    ExtendSelectionTo(CellAtPoint(plat::Point{FixedColumnWidth() + 1, y}, true));
  }
}

// ---- Keys ----

UINT CGridCtrl::OnGetDlgCode() {
  return plat::DLGC_WANTARROWS | plat::DLGC_WANTCHARS | (handles_tab_ ? plat::DLGC_WANTTAB : 0);
}

void CGridCtrl::OnChar(UINT ch, UINT repeat, UINT flags) {
  const UINT upper = ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
  if (!Held(plat::VK_CONTROL) && mouse_mode_ == kMouseNothing && handles_tab_ && ch != '\t') {
    BeginCellEdit(focus_.row, focus_.col, upper, EditStart::kTyped);
  }
  Window::OnChar(ch, repeat, flags);
}

// ---- Title tips ----

void CGridCtrl::ShowTitleTip(plat::Point point) {
  const CCellID cell = CellAtPoint(point, true);
  plat::Rect rect;
  if (!GetCellRect(cell, &rect)) return;
  if (!title_tip_.GetSafeHwnd() && !title_tip_.Create(this)) return;
  title_tip_.Show(rect, GetItemText(cell.row, cell.col), font_);
}

}  // namespace grid
