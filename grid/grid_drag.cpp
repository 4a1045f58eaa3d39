// Drag and drop of cell text: dragging the selected cells out of the grid and
// the drop-target cell under a drag coming in.
#include "grid/grid_ctrl.h"

namespace grid {

void CGridCtrl::StartCellDrag() {
  if (!drag_and_drop_) return;
  const std::shared_ptr<plat::DataObject> data = CopySelectionToData();
  if (!data) return;
  const CellRange range = SelectedCellRange();
  NotifyOwner(range.min_row, range.min_col, GridNotifyBeginDrag);
  mouse_mode_ = kMouseDragging;
  const plat::DROPEFFECT effect = data->DoDragDrop(plat::DROPEFFECT_COPY | plat::DROPEFFECT_MOVE);
  // A move empties the source cells that are still selected, after the drop
  // took the text (a drop into this grid cleared the cells it wrote).
  if (effect & plat::DROPEFFECT_MOVE) CutSelection();
  mouse_mode_ = kMouseNothing;
}

namespace {

plat::DROPEFFECT EffectOf(std::uint32_t key_state) {
  return (key_state & plat::MK_CONTROL) ? plat::DROPEFFECT_COPY : plat::DROPEFFECT_MOVE;
}

}  // namespace

plat::DROPEFFECT CGridCtrl::OnDragEnter(const plat::DataObject& data, std::uint32_t key_state, plat::Point point) {
  if (!drag_and_drop_ || !editable_ || !data.HasText()) return plat::DROPEFFECT_NONE;
  drop_target_ = CellAtPoint(point, false);
  if (!IsValid(drop_target_)) return plat::DROPEFFECT_NONE;
  if (GetItemState(drop_target_.row, drop_target_.col) & kStateReadOnly) return plat::DROPEFFECT_NONE;
  SetItemState(drop_target_.row, drop_target_.col, GetItemState(drop_target_.row, drop_target_.col) | kStateDropTarget);
  RepaintCell(drop_target_.row, drop_target_.col);
  return EffectOf(key_state);
}

plat::DROPEFFECT CGridCtrl::OnDragOver(const plat::DataObject& data, std::uint32_t key_state, plat::Point point) {
  if (!drag_and_drop_ || !editable_ || !data.HasText()) return plat::DROPEFFECT_NONE;
  const CCellID cell = CellAtPoint(point, false);
  if (!IsValid(cell)) {
    OnDragLeave();
    drop_target_ = CCellID();
    return plat::DROPEFFECT_NONE;
  }
  if (GetItemState(cell.row, cell.col) & kStateReadOnly) return plat::DROPEFFECT_NONE;
  if (cell == drop_target_ && (GetItemState(cell.row, cell.col) & kStateDropTarget)) return EffectOf(key_state);
  OnDragLeave();
  drop_target_ = cell;
  SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kStateDropTarget);
  RepaintCell(cell.row, cell.col);
  return EffectOf(key_state);
}

void CGridCtrl::OnDragLeave() {
  if (!IsValid(drop_target_)) return;
  SetItemState(drop_target_.row, drop_target_.col,
               GetItemState(drop_target_.row, drop_target_.col) & ~kStateDropTarget);
  RepaintCell(drop_target_.row, drop_target_.col);
}

}  // namespace grid
