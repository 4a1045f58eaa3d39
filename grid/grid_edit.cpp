// Starting an in-place edit of a cell.
#include "grid/grid_ctrl.h"
#include "grid/in_place_edit.h"

namespace grid {

void CGridCtrl::BeginCellEdit(int row, int col, UINT ch, EditStart start) {
  if (!IsValid(row, col)) return;
  ScrollCellIntoView(row, col);
  if (!editable_ || !CellIsVisible(row, col)) return;
  if (GetItemState(row, col) & kStateReadOnly) return;
  plat::Rect rect;
  if (!GetCellRect(row, col, &rect)) return;
  NotifyOwner(row, col, GridNotifyCellActivated);
  if (!IsValid(row, col)) return;  // the owner may have changed the grid
  const CGridCell* cell = GetCell(row, col);
  plat::DWORD style = plat::ES_LEFT;
  if (cell->format & plat::DT_RIGHT) {
    style = plat::ES_RIGHT;
  } else if (cell->format & plat::DT_CENTER) {
    style = plat::ES_CENTER;
  }
  OpenCellEditor(rect, style, kCellEditorId, row, col, GetItemText(row, col), ch, start);
}

plat::Window* CGridCtrl::OpenCellEditor(const plat::Rect& rect, plat::DWORD style, UINT id, int row, int col,
                                        std::string_view text, UINT ch, EditStart start) {
  auto* editor = new CInPlaceEdit(*this, row, col, text);
  if (!editor->Open(rect, style, id, ch, start)) {
    delete editor;
    return nullptr;
  }
  return editor;
}

}  // namespace grid
