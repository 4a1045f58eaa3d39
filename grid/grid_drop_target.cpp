#include "grid/grid_drop_target.h"

#include "grid/grid_ctrl.h"

namespace grid {

bool CGridDropTarget::Register(CGridCtrl* grid) {
  if (registered_ && grid == grid_) return true;
  if (!grid || !grid->GetSafeHwnd()) return false;
  grid_ = grid;
  registered_ = plat::DropTarget::Register(grid);
  return registered_;
}

void CGridDropTarget::Revoke() {
  registered_ = false;
  plat::DropTarget::Revoke();
}

bool CGridDropTarget::Serves(const plat::Window* window) const {
  return grid_ && window && window->GetSafeHwnd() == grid_->GetSafeHwnd();
}

plat::DROPEFFECT CGridDropTarget::OnDragEnter(plat::Window* window, const plat::DataObject& data,
                                              std::uint32_t key_state, plat::Point point) {
  return Serves(window) ? grid_->OnDragEnter(data, key_state, point) : plat::DROPEFFECT_NONE;
}

plat::DROPEFFECT CGridDropTarget::OnDragOver(plat::Window* window, const plat::DataObject& data,
                                             std::uint32_t key_state, plat::Point point) {
  return Serves(window) ? grid_->OnDragOver(data, key_state, point) : plat::DROPEFFECT_NONE;
}

void CGridDropTarget::OnDragLeave(plat::Window* window) {
  if (Serves(window)) grid_->OnDragLeave();
}

plat::DROPEFFECT CGridDropTarget::OnDragScroll(plat::Window* window, std::uint32_t key_state, plat::Point) {
  if (!Serves(window)) return plat::DROPEFFECT_NONE;
  return (key_state & plat::MK_CONTROL) ? plat::DROPEFFECT_COPY : plat::DROPEFFECT_MOVE;
}

bool CGridDropTarget::OnDrop(plat::Window* window, const plat::DataObject& data, plat::DROPEFFECT, plat::Point) {
  if (!Serves(window) || !grid_->GetDragAndDrop() || !grid_->IsEditable()) return false;
  const CCellID target = grid_->GetDropTargetCell();
  if (grid_->IsValid(target) && (grid_->GetItemState(target.row, target.col) & kStateReadOnly)) return false;
  grid_->SetMouseMode(kMouseNothing);
  grid_->OnDragLeave();
  return grid_->PasteDataAtCell(target.row, target.col, data);
}

}  // namespace grid
