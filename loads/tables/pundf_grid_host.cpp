#include "loads/tables/pundf_grid_host.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "grid/table_keys.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace pundf::tables {
namespace {

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

std::string Upper(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return text;
}

}  // namespace

plat::UINT PundfGridHost::TranslateChar(grid::CGridCtrl&, plat::UINT ch) {
  constexpr std::string_view kKept = "-0123456789., E";
  if (ch == '\b' || ch > 0x7f || kKept.find(static_cast<char>(ch)) != std::string_view::npos) return ch;
  return static_cast<plat::UINT>(std::toupper(static_cast<int>(ch)));
}

std::string PundfGridHost::ApplicationTitle(const grid::CGridCtrl&) const { return "PUNDF"; }

int PundfGridHost::PrintRowCount(const grid::CGridCtrl& grid) const {
  return print_rows_ < 0 ? grid.GetRowCount() : std::min(print_rows_, grid.GetRowCount());
}

void PundfGridHost::EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) {
  grid::StoreEditAndMoveOn(grid, info, CleanCellText(state_.KindOf(info.item.col), info.item.text));
}

void PundfGridHost::MoveFocus(grid::CGridCtrl& grid, int row, int col, bool extend) {
  const int fixed_rows = grid.GetFixedRowCount();
  const int fixed_cols = grid.GetFixedColumnCount();
  if (grid.GetRowCount() <= fixed_rows || grid.GetColumnCount() <= fixed_cols) return;
  row = std::clamp(row, fixed_rows, grid.GetRowCount() - 1);
  col = std::clamp(col, fixed_cols, grid.GetColumnCount() - 1);
  grid.SetFocusCell(row, col);
  if (extend && grid.IsSelectable()) {
    grid.SetMouseMode(grid::kMouseSelectCells);
    grid.ExtendSelectionTo(grid::CCellID{row, col});
    grid.SetMouseMode(grid::kMouseNothing);
  } else {
    grid.SelectCellRange(-1, -1, -1, -1);
    grid.SetSelectionAnchor(grid::CCellID{row, col});
  }
  grid.ScrollCellIntoView(row, col);
}

void PundfGridHost::EnterKey(grid::CGridCtrl& grid) {
  const grid::CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return;
  const int row = focus.row;
  const int col = focus.col;
  // From the cell above into an empty cell below the first data row.
  if (grid.GetItemText(row, col).empty() && row > 1) {
    const std::string above = grid.GetItemText(row - 1, col);
    if (!above.empty()) {
      grid.SetItemText(row, col, above);
      grid.SetModified(true);
      grid.RepaintCell(row, col);
    }
  }
  const int link = state_.LinkOf(col);
  if (link > 0 && link < grid.GetColumnCount() && grid.GetItemText(row, link).empty()) {
    grid.SetItemText(row, link, grid.GetItemText(row, col));
    grid.RepaintCell(row, link);
    MoveFocus(grid, row, col + 1, false);
  }
  const int last = grid.GetColumnCount() - 1;
  if (state_.mode == kLineLoadMode) {
    if (col == 1) grid.SetItemText(row, 1, Upper(grid.GetItemText(row, 1)));
    // A direction typed already stays.
    if (col == 5 && last >= 6) {
      if (grid.GetItemText(row, 6).empty()) {
        grid.SetItemText(row, 6, "Y");
        grid.SetModified(true);
        grid.RepaintCell(row, 6);
      }
      MoveFocus(grid, row, 6, false);
    }
    if (col == 6) grid.SetItemText(row, 6, Upper(grid.GetItemText(row, 6)));
  } else if (state_.mode == kPointLoadMode && col == 1 && last >= 6) {
    const std::string type = Upper(grid.GetItemText(row, 1));
    grid.SetItemText(row, 1, type);
    if (!type.empty() && type.find_first_not_of("HVN") == std::string::npos) {
      grid.SetItemText(row, 5, "1");
      grid.SetItemText(row, 6, "0");
      grid.SetModified(true);
      grid.RepaintCell(row, 5);
      grid.RepaintCell(row, 6);
    }
  }
}

void PundfGridHost::CopyDown(grid::CGridCtrl& grid) {
  const grid::CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return;
  if (focus.row < grid.GetFixedRowCount() || focus.row >= grid.GetRowCount() - 1) return;
  const std::string text = grid.GetItemText(focus.row, focus.col);
  if (text.empty()) return;
  grid.SetItemText(focus.row + 1, focus.col, text);
  grid.SetModified(true);
  grid.RepaintCell(focus.row + 1, focus.col);
  MoveFocus(grid, focus.row + 1, focus.col, false);
}

bool PundfGridHost::KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT, plat::UINT) {
  if (Held(plat::VK_CONTROL)) {
    switch (vk) {
      case 'A': grid.SelectAll(); return true;
      case 'C': grid.OnEditCopy(); return true;
      case 'V': grid.OnEditPaste(); return true;
      case 'X': grid.OnEditCut(); return true;
      case 'I': case plat::VK_ADD: grid.InsertRowAtFocus(); return true;
      case 'L': case plat::VK_SUBTRACT: grid.DeleteRowAtFocus(); return true;
      default: break;
    }
  }
  grid::CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) focus = grid::CCellID{grid.GetFixedRowCount(), grid.GetFixedColumnCount()};
  const bool shift = Held(plat::VK_SHIFT);
  const grid::CellRange shown = grid.FullyVisibleScrollableRange();
  const int page = shown.IsValid() ? std::max(1, shown.max_row - shown.min_row) : 1;
  switch (vk) {
    case plat::VK_UP: MoveFocus(grid, focus.row - 1, focus.col, shift); return true;
    case plat::VK_DOWN: MoveFocus(grid, focus.row + 1, focus.col, shift); return true;
    case plat::VK_LEFT: MoveFocus(grid, focus.row, focus.col - 1, shift); return true;
    case plat::VK_RIGHT: MoveFocus(grid, focus.row, focus.col + 1, shift); return true;
    case plat::VK_PRIOR: MoveFocus(grid, focus.row - page, focus.col, shift); return true;
    case plat::VK_NEXT: MoveFocus(grid, focus.row + page, focus.col, shift); return true;
    case plat::VK_HOME: MoveFocus(grid, focus.row, grid.GetFixedColumnCount(), shift); return true;
    case plat::VK_END: MoveFocus(grid, focus.row, grid.GetColumnCount() - 1, shift); return true;
    case plat::VK_TAB:
      if (!grid.GetHandleTabKey()) return false;
      MoveFocus(grid, focus.row, focus.col + (shift ? -1 : 1), false);
      return true;
    case plat::VK_DELETE: {
      const grid::CGridCell* cell = grid.GetCell(focus.row, focus.col);
      if (cell != nullptr && (grid.GetItemState(focus.row, focus.col) & grid::kStateReadOnly) == 0) {
        grid.SetItemText(focus.row, focus.col, "");
        grid.SetModified(true);
        grid.RepaintCell(focus.row, focus.col);
      }
      return true;
    }
    case plat::VK_RETURN: EnterKey(grid); return true;
    case plat::VK_F5: CopyDown(grid); return true;
    default: return false;
  }
}

}  // namespace pundf::tables
