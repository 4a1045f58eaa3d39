#include "geometry/tables/kelmf_grid_host.h"

#include <algorithm>

#include "common/text_to_float.h"
#include "geometry/tables/cell_chars.h"
#include "geometry/tables/cell_format.h"
#include "geometry/tables/concrete_moduli.h"
#include "grid/grid_ctrl.h"
#include "grid/grid_notify.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window.h"

namespace kelmf {
namespace {

using grid::CCellID;
using grid::CGridCtrl;

void SetCell(CGridCtrl& grid, int row, int col, const std::string& text) {
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
}

bool Empty(const CGridCtrl& grid, int row, int col) { return grid.GetItemText(row, col).empty(); }

// Rows a page of the grid shows, at least one.
int PageRows(const CGridCtrl& grid) {
  const grid::CellRange visible = grid.FullyVisibleScrollableRange();
  return std::max(1, visible.max_row - visible.min_row + 1);
}

}  // namespace

bool KelmfGridHost::KeyDown(CGridCtrl& grid, plat::UINT vk, plat::UINT, plat::UINT) {
  HandleKey(grid, vk, plat::GetKeyState(plat::VK_CONTROL) < 0, plat::GetKeyState(plat::VK_SHIFT) < 0);
  return true;
}

void KelmfGridHost::HandleKey(CGridCtrl& grid, plat::UINT vk, bool ctrl, bool shift) {
  const CCellID start = grid.GetFocusCell();
  if (!grid.IsValid(start)) return;
  const int rows = grid.GetRowCount();
  const int cols = grid.GetColumnCount();
  const int first_row = grid.GetFixedRowCount();
  const int first_col = grid.GetFixedColumnCount();
  CCellID focus = start;
  const int key = static_cast<int>(vk);

  if (ctrl) {
    switch (key) {
      case 'A': grid.SelectAll(); return;
      case 'C': grid.OnEditCopy(); return;
      case 'V': grid.OnEditPaste(); return;
      case 'X': grid.OnEditCut(); return;
      case 'I': case plat::VK_ADD: grid.InsertRowAtFocus(); return;
      case 'L': case plat::VK_SUBTRACT: grid.DeleteRowAtFocus(); return;
      case plat::VK_LEFT:
      case plat::VK_RIGHT: {
        const int target = key == plat::VK_LEFT ? focus.col - 1 : focus.col + 1;
        const bool allowed = key == plat::VK_LEFT ? focus.col != 1 && target >= first_col : target < cols;
        if (!Empty(grid, focus.row, focus.col) && allowed) {
          SetCell(grid, focus.row, target, grid.GetItemText(focus.row, focus.col));
          grid.SetModified();
          state_.input_typed = true;
        }
        if (focus.col < cols - 1) ++focus.col;
        break;
      }
      default:
        return;
    }
  } else {
    switch (key) {
      case plat::VK_TAB:
        if (shift) {
          if (focus.col > first_col) {
            --focus.col;
          } else if (focus.row > first_row) {
            --focus.row;
            focus.col = cols - 1;
          }
        } else if (focus.col < cols - 1) {
          ++focus.col;
        } else if (focus.row < rows - 1) {
          ++focus.row;
          focus.col = first_col;
        }
        break;
      case plat::VK_LEFT: if (focus.col > first_col) --focus.col; break;
      case plat::VK_RIGHT: if (focus.col < cols - 1) ++focus.col; break;
      case plat::VK_UP: if (focus.row > first_row) --focus.row; break;
      case plat::VK_DOWN: if (focus.row < rows - 1) ++focus.row; break;
      case plat::VK_HOME: focus.row = first_row; break;
      case plat::VK_END: focus.row = rows - 1; break;
      case plat::VK_PRIOR: focus.row = std::max(first_row, focus.row - PageRows(grid)); break;
      case plat::VK_NEXT: focus.row = std::min(rows - 1, focus.row + PageRows(grid)); break;
      case plat::VK_DELETE:
        if ((grid.GetItemState(focus.row, focus.col) & grid::kStateReadOnly) == 0) {
          grid.CutSelection();
          grid.SetModified();
          state_.input_typed = true;
        }
        break;
      case plat::VK_F5:
        state_.table_changed = true;
        if (focus.row >= first_row && focus.row < rows - 1 && !Empty(grid, focus.row, focus.col)) {
          SetCell(grid, focus.row + 1, focus.col, grid.GetItemText(focus.row, focus.col));
          ++focus.row;
          grid.SetModified();
        }
        break;
      case plat::VK_RETURN: {
        if (Empty(grid, focus.row, focus.col) && focus.row >= 2) {
          const std::string above = grid.GetItemText(focus.row - 1, focus.col);
          if (!above.empty()) {
            SetCell(grid, focus.row, focus.col, above);
            grid.SetModified();
          }
        }
        const CCellID left = focus;
        if (focus.col < cols - 1) {
          ++focus.col;
        } else if (focus.row < rows - 1) {
          ++focus.row;
          focus.col = first_col;
        }
        TableStep(grid, left.row, left.col, focus);
        break;
      }
      default:
        return;
    }
  }
  // A key ends with the focus cell in view, also one whose target is the focus
  // cell itself (Home on the first row after the table was scrolled away).
  if (focus == start) {
    grid.ScrollCellIntoView(focus.row, focus.col);
    return;
  }
  if (shift) {
    grid.ExtendSelectionTo(focus);
  } else {
    grid.SetSelectionAnchor(focus);
    grid.SelectCellRange(focus.row, focus.col, focus.row, focus.col);
  }
  grid.SetFocusCell(focus);
  grid.ScrollCellIntoView(focus.row, focus.col);
}

void KelmfGridHost::TableStep(CGridCtrl& grid, int row, int col, CCellID& focus) {
  const int rows = grid.GetRowCount();
  switch (state_.active_table) {
    case GridTable::kMaterials: {
      if (col != 1) return;
      const auto modulus =
          ModulusOfClassText(grid.GetItemText(row, 1), params_.material_input_flag() != 0, params_);
      if (modulus) SetCell(grid, row, 2, FormatCell("%.3E", *modulus));
      return;
    }
    case GridTable::kCrossSections: {
      if (col != 2 || grid.GetColumnCount() < 5) return;
      const double b = common::TextToFloat(grid.GetItemText(row, 1));
      const double h = common::TextToFloat(grid.GetItemText(row, 2));
      SetCell(grid, row, 3, FormatCell("%.4E", b * h));
      SetCell(grid, row, 4, FormatCell("%.4E", b * h * h * h / 12.0));
      // On from column 4, as Return from there goes.
      focus = row + 1 < rows ? CCellID(row + 1, grid.GetFixedColumnCount()) : CCellID(row, 4);
      return;
    }
    case GridTable::kContinuousBeam: {
      if (Empty(grid, row, col) || row + 1 >= rows || grid.GetRowCount() < 2) return;
      const double span = common::TextToFloat(grid.GetItemText(1, 1));
      SetCell(grid, row + 1, 1, FormatCell("%.2f", (row + 1) * span));
      focus = CCellID(row + 1, 1);
      return;
    }
    case GridTable::kElements:
    case GridTable::kStoreyFrame: {
      if (Empty(grid, row, col) || grid.GetColumnCount() < 11) return;
      if (col == 4 && Empty(grid, row, 5)) {
        for (int c = 5; c <= 8; ++c) SetCell(grid, row, c, "1");
        SetCell(grid, row, 9, "0");
        SetCell(grid, row, 10, "0");
      }
      if (col == 8 && row + 1 < rows && Empty(grid, row + 1, 1)) {
        SetCell(grid, row + 1, 1, grid.GetItemText(row, 3));
        SetCell(grid, row + 1, 2, grid.GetItemText(row, 4));
        focus = CCellID(row + 1, 3);
      }
      return;
    }
    default:
      return;
  }
}

void KelmfGridHost::EndEdit(CGridCtrl& grid, const grid::GridEditInfo& info) {
  const int row = info.item.row;
  const int col = info.item.col;
  const plat::UINT key = static_cast<plat::UINT>(info.item.data);
  const std::string text = CleanCellText(info.item.text, state_.KindOf(col));
  if (key != plat::VK_ESCAPE && text != grid.GetItemText(row, col)) {
    grid.SetModified();
    state_.input_typed = true;
  }
  grid.SetItemText(row, col, text);
  grid.RepaintCell(row, col);
  grid.NotifyOwner(row, col, grid::GridNotifyEndEdit);
  if (!grid::KeyMovesOnAfterEdit(key)) return;
  HandleKey(grid, key, false, false);
  const CCellID focus = grid.GetFocusCell();
  if (grid.IsValid(focus)) grid.BeginCellEdit(focus.row, focus.col, key);
}

bool KelmfGridHost::IsSwitchCell(const CGridCtrl&, int, int col) const {
  switch (state_.active_table) {
    case GridTable::kNodes:
      return col >= 3 && col <= 5;  // u, v, phi: no support or one of the base stiffness
    case GridTable::kElements:
    case GridTable::kStoreyFrame:
      return col >= 7 && col <= 10;
    default:
      return false;
  }
}

bool KelmfGridHost::UpperCaseEditor(const CGridCtrl& grid) const {
  return state_.KindOf(grid.GetFocusCell().col) != 0;
}

int KelmfGridHost::PrintRowCount(const CGridCtrl& grid) const {
  return state_.print_row_count > 0 ? state_.print_row_count : grid.GetRowCount();
}

void KelmfGridHost::RowsSelected(CGridCtrl& grid, int row, int) {
  const GridTable table = state_.active_table;
  if (table != GridTable::kNodes && table != GridTable::kElements && table != GridTable::kStoreyFrame) return;
  if (!grid.IsValid(row, 2) || row < grid.GetFixedRowCount() || Empty(grid, row, 1)) {
    state_.marked_point.reset();
  } else {
    state_.marked_point = plat::PointD{common::TextToFloat(grid.GetItemText(row, 1)),
                                       common::TextToFloat(grid.GetItemText(row, 2))};
  }
  if (state_.mark_listener != nullptr) state_.mark_listener->PostMessage(grid::GridMsgRowsSelected, 1, 0);
}

std::string KelmfGridHost::ApplicationTitle(const CGridCtrl&) const { return kApplicationTitle; }

void KelmfGridHost::EditorKeyTyped(CGridCtrl&, plat::UINT) { state_.input_typed = true; }

}  // namespace kelmf
