#include "shell/job/shell_grid.h"

#include <algorithm>

#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"
#include "shell/job/column_types.h"

namespace quentaris {

namespace {

using grid::CCellID;
using grid::CGridCtrl;

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

void SetTextAndRedraw(CGridCtrl& grid, int row, int col, const std::string& text) {
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
  grid.SetModified(true);
}

// The cell Tab (forward) or Shift+Tab leads to: across the row, then on to the
// next (previous) row; the focus itself at the grid's end.
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

// Page Up or Down: the focus row follows the rows scrolled, or goes to the
// first or last row when the grid did not scroll.
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

}  // namespace

int ShellGridHost::ColumnType(int col) const {
  if (col < 0 || col >= static_cast<int>(column_types_.size())) return 0;
  return column_types_[static_cast<std::size_t>(col)];
}

void ShellGridHost::SetColumnType(int col, int type) {
  if (col < 0) return;
  if (col >= static_cast<int>(column_types_.size())) column_types_.resize(static_cast<std::size_t>(col) + 1, 0);
  column_types_[static_cast<std::size_t>(col)] = type;
}

void ShellGridHost::SetAllColumnTypes(int columns, int type) {
  column_types_.assign(static_cast<std::size_t>(std::max(columns, 0)), type);
}

void MoveFocusByKey(CGridCtrl& grid, CCellID cell, bool shift) {
  if (!grid.IsValid(cell)) return;
  if (grid.GetMouseMode() == grid::kMouseNothing) {
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
  if (!grid.CellIsVisible(cell.row, cell.col)) grid.ScrollCellIntoView(cell.row, cell.col);
}

bool ShellGridHost::CtrlKey(CGridCtrl& grid, plat::UINT vk) {
  const CCellID focus = grid.GetFocusCell();
  const int last_col = grid.GetColumnCount() - 1;
  switch (vk) {
    case plat::VK_LEFT: {
      const std::string text = grid.GetItemText(focus.row, focus.col);
      if (!text.empty() && focus.col >= 2) SetTextAndRedraw(grid, focus.row, focus.col - 1, text);
      if (focus.col == last_col && focus.col - 1 >= grid.GetFixedColumnCount()) {
        MoveFocusByKey(grid, CCellID(focus.row, focus.col - 1), false);
      }
      return true;
    }
    case plat::VK_RIGHT: {
      const std::string text = grid.GetItemText(focus.row, focus.col);
      if (!text.empty() && focus.col < last_col) SetTextAndRedraw(grid, focus.row, focus.col + 1, text);
      const int col = std::min(focus.col + 2, last_col);
      if (col != focus.col) MoveFocusByKey(grid, CCellID(focus.row, col), false);
      return true;
    }
    case 'A': grid.SelectAll(); return true;
    case 'C': grid.OnEditCopy(); return true;
    case 'V': grid.OnEditPaste(); return true;
    case 'X': grid.OnEditCut(); return true;
    case 'I':
    case plat::VK_ADD: grid.InsertRowAtFocus(); return true;
    case 'L':
    case plat::VK_SUBTRACT: grid.DeleteRowAtFocus(); return true;
    default: return false;  // as the key alone
  }
}

bool ShellGridHost::KeyDown(CGridCtrl& grid, plat::UINT vk, plat::UINT, plat::UINT) {
  const CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return false;
  if (Held(plat::VK_CONTROL) && CtrlKey(grid, vk)) return true;
  const bool shift = Held(plat::VK_SHIFT);
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
    case plat::VK_DELETE:
      if (!(grid.GetItemState(focus.row, focus.col) & grid::kStateReadOnly)) {
        grid.OnEditCut();
        grid.SetModified(true);
      }
      return true;
    case plat::VK_F5: {
      const std::string text = grid.GetItemText(focus.row, focus.col);
      if (focus.row >= last_row || text.empty()) return true;
      SetTextAndRedraw(grid, focus.row + 1, focus.col, text);
      next.row = focus.row + 1;
      break;
    }
    default: return false;
  }
  if (next != focus) MoveFocusByKey(grid, next, shift);
  return true;
}

void ShellGridHost::EndEdit(CGridCtrl& grid, const grid::GridEditInfo& info) {
  const int row = info.item.row;
  const int col = info.item.col;
  if (!grid.IsValid(row, col)) return;
  const plat::UINT key = static_cast<plat::UINT>(info.item.data);
  const std::string old_text = grid.GetItemText(row, col);
  // Escape gave the editor its old text back: the cell keeps it as it was.
  const std::string text = key == plat::VK_ESCAPE ? old_text : CleanEditedText(info.item.text, ColumnType(col));
  if (key != plat::VK_ESCAPE && text != old_text) grid.SetModified(true);
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
  grid.NotifyOwner(row, col, grid::GridNotifyEndEdit);
  switch (key) {
    case plat::VK_RETURN:
    case plat::VK_PRIOR:
    case plat::VK_NEXT:
    case plat::VK_END:
    case plat::VK_HOME:
    case plat::VK_LEFT:
    case plat::VK_UP:
    case plat::VK_RIGHT:
    case plat::VK_DOWN:
    case plat::VK_F5: {
      KeyDown(grid, key, 1, 0);
      const CCellID next = grid.GetFocusCell();
      if (grid.IsValid(next)) grid.BeginCellEdit(next.row, next.col, key);
      break;
    }
    default: break;
  }
}

bool ShellGridHost::SideButton(CGridCtrl& grid, plat::UINT, plat::UINT, plat::Point) {
  plat::Window* target = grid.GetOwner();
  if (target == nullptr) target = grid.GetParent();
  if (target == nullptr) return false;
  target->PostMessage(plat::WM_XBUTTONDOWN, grid.GetDlgCtrlID(), reinterpret_cast<plat::LPARAM>(grid.GetSafeHwnd()));
  return true;
}

ShellGrid::ShellGrid() {
  SetHost(&shell_host_);
  SetDragAndDrop(true);
}

}  // namespace quentaris
