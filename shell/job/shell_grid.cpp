#include "shell/job/shell_grid.h"

#include <algorithm>

#include "grid/table_keys.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"
#include "shell/job/column_types.h"

namespace quentaris {

namespace {

using grid::CCellID;
using grid::CGridCtrl;

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

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

bool ShellGridHost::CtrlKey(CGridCtrl& grid, plat::UINT vk) {
  if (grid::CopyToNeighbourKey(grid, vk)) return true;
  switch (vk) {
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
  if (vk == plat::VK_DELETE) {
    if (!(grid.GetItemState(focus.row, focus.col) & grid::kStateReadOnly)) {
      grid.OnEditCut();
      grid.SetModified(true);
    }
    return true;
  }
  return grid::MoveByTableKey(grid, vk, Held(plat::VK_SHIFT));
}

void ShellGridHost::EndEdit(CGridCtrl& grid, const grid::GridEditInfo& info) {
  const int row = info.item.row;
  const int col = info.item.col;
  if (!grid.IsValid(row, col)) return;
  // Escape gave the editor its old text back: the cell keeps it as it was.
  const std::string text = static_cast<plat::UINT>(info.item.data) == plat::VK_ESCAPE
                               ? grid.GetItemText(row, col)
                               : CleanEditedText(info.item.text, ColumnType(col));
  grid::StoreEditAndMoveOn(grid, info, text);
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
