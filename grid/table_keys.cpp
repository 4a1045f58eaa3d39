#include "grid/table_keys.h"

#include <algorithm>

#include "platform/window/virtual_keys.h"

namespace grid {
namespace {

void SetTextAndRedraw(CGridCtrl& grid, int row, int col, const std::string& text) {
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
  grid.SetModified(true);
}

// A key ends with the focus cell in view, also one whose target is the focus
// cell itself (Home on the first row after the table was scrolled away).
void MoveOrShowFocus(CGridCtrl& grid, CCellID focus, CCellID next, bool shift) {
  if (next != focus) {
    MoveFocusByKey(grid, next, shift);
  } else {
    grid.ScrollCellIntoView(focus.row, focus.col);
  }
}

}  // namespace

CCellID TabTarget(const CGridCtrl& grid, CCellID focus, bool forward) {
  const int first_col = grid.GetFixedColumnCount();
  const int last_col = grid.GetColumnCount() - 1;
  CCellID next = focus;
  if (forward) {
    if (focus.col < last_col) {
      ++next.col;
    } else if (focus.row < grid.GetRowCount() - 1) {
      ++next.row;
      next.col = first_col;
    }
  } else {
    if (focus.col > first_col) {
      --next.col;
    } else if (focus.row > grid.GetFixedRowCount()) {
      --next.row;
      next.col = last_col;
    }
  }
  return next;
}

CCellID PageTarget(CGridCtrl& grid, CCellID focus, bool down) {
  const int before = grid.TopLeftScrollableCell().row;
  grid.SendMessage(plat::WM_VSCROLL, down ? plat::SB_PAGEDOWN : plat::SB_PAGEUP, 0);
  const int scrolled = grid.TopLeftScrollableCell().row - before;
  const int first_row = grid.GetFixedRowCount();
  const int last_row = grid.GetRowCount() - 1;
  CCellID next = focus;
  if (scrolled != 0) {
    next.row = std::clamp(focus.row + scrolled, first_row, last_row);
  } else {
    next.row = down ? last_row : first_row;
  }
  return next;
}

void MoveFocusByKey(CGridCtrl& grid, CCellID cell, bool shift) {
  if (!grid.IsValid(cell)) return;
  if (grid.GetMouseMode() == kMouseNothing) {
    if (!shift || !grid.IsValid(grid.GetSelectionAnchor())) grid.SetSelectionAnchor(cell);
    const CCellID anchor = grid.GetSelectionAnchor();
    const int min_row = std::min(anchor.row, cell.row);
    const int max_row = std::max(anchor.row, cell.row);
    if (grid.GetListMode()) {
      grid.SelectCellRange(min_row, grid.GetFixedColumnCount(), max_row, grid.GetColumnCount() - 1);
    } else {
      grid.SelectCellRange(min_row, std::min(anchor.col, cell.col), max_row, std::max(anchor.col, cell.col));
    }
  }
  grid.SetFocusCell(cell);
  grid.ScrollCellIntoView(cell.row, cell.col);  // whole, also a cell the client area cuts
}

bool CopyToNeighbourKey(CGridCtrl& grid, UINT vk) {
  if (vk != plat::VK_LEFT && vk != plat::VK_RIGHT) return false;
  const CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return false;
  const int last_col = grid.GetColumnCount() - 1;
  const std::string text = grid.GetItemText(focus.row, focus.col);
  if (vk == plat::VK_LEFT) {
    if (!text.empty() && focus.col >= 2) SetTextAndRedraw(grid, focus.row, focus.col - 1, text);
    const bool back = focus.col == last_col && focus.col - 1 >= grid.GetFixedColumnCount();
    MoveOrShowFocus(grid, focus, back ? CCellID(focus.row, focus.col - 1) : focus, false);
    return true;
  }
  if (!text.empty() && focus.col < last_col) SetTextAndRedraw(grid, focus.row, focus.col + 1, text);
  MoveOrShowFocus(grid, focus, CCellID(focus.row, std::min(focus.col + 2, last_col)), false);
  return true;
}

bool MoveByTableKey(CGridCtrl& grid, UINT vk, bool shift) {
  const CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return false;
  const int first_row = grid.GetFixedRowCount();
  const int first_col = grid.GetFixedColumnCount();
  const int last_row = grid.GetRowCount() - 1;
  const int last_col = grid.GetColumnCount() - 1;
  CCellID next = focus;
  switch (vk) {
    case plat::VK_TAB: next = TabTarget(grid, focus, !shift); break;
    case plat::VK_RETURN: {
      if (focus.row >= 2 && grid.GetItemText(focus.row, focus.col).empty()) {
        const std::string above = grid.GetItemText(focus.row - 1, focus.col);
        if (!above.empty()) SetTextAndRedraw(grid, focus.row, focus.col, above);
      }
      next = TabTarget(grid, focus, true);
      break;
    }
    case plat::VK_PRIOR:
    case plat::VK_NEXT: next = PageTarget(grid, focus, vk == plat::VK_NEXT); break;
    case plat::VK_HOME: next.row = first_row; break;
    case plat::VK_END: next.row = last_row; break;
    case plat::VK_LEFT: next.col = std::max(focus.col - 1, first_col); break;
    case plat::VK_RIGHT: next.col = std::min(focus.col + 1, last_col); break;
    case plat::VK_UP: next.row = std::max(focus.row - 1, first_row); break;
    case plat::VK_DOWN: next.row = std::min(focus.row + 1, last_row); break;
    case plat::VK_F5: {
      const std::string text = grid.GetItemText(focus.row, focus.col);
      if (focus.row >= last_row || text.empty()) break;
      SetTextAndRedraw(grid, focus.row + 1, focus.col, text);
      next.row = focus.row + 1;
      break;
    }
    default: return false;
  }
  MoveOrShowFocus(grid, focus, next, shift);
  return true;
}

void StoreEditAndMoveOn(CGridCtrl& grid, const GridEditInfo& info, const std::string& text) {
  const int row = info.item.row;
  const int col = info.item.col;
  if (!grid.IsValid(row, col)) return;
  const auto key = static_cast<UINT>(info.item.data);
  if (key != plat::VK_ESCAPE && text != grid.GetItemText(row, col)) grid.SetModified(true);
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
  grid.NotifyOwner(row, col, GridNotifyEndEdit);
  if (!KeyMovesOnAfterEdit(key)) return;
  grid.host().KeyDown(grid, key, 1, 0);
  const CCellID next = grid.GetFocusCell();
  if (grid.IsValid(next)) grid.BeginCellEdit(next.row, next.col, key);
}

}  // namespace grid
