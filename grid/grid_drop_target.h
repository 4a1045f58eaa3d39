#pragma once
// CGridDropTarget: the drop target of one grid. It hands drags over the grid to
// the grid's OnDragEnter, OnDragOver and OnDragLeave and pastes a drop at the
// highlighted cell; drags over any other window get no effect.
#include <cstdint>

#include "platform/clipboard/drop_target.h"

namespace grid {

class CGridCtrl;

class CGridDropTarget : public plat::DropTarget {
 public:
  // Registers for the grid (once; a second call changes nothing). False without a window.
  bool Register(CGridCtrl* grid);
  void Revoke();
  CGridCtrl* grid() const { return grid_; }
  bool IsRegistered() const { return registered_; }

  plat::DROPEFFECT OnDragEnter(plat::Window* window, const plat::DataObject& data, std::uint32_t key_state,
                               plat::Point point) override;
  plat::DROPEFFECT OnDragOver(plat::Window* window, const plat::DataObject& data, std::uint32_t key_state,
                              plat::Point point) override;
  void OnDragLeave(plat::Window* window) override;
  bool OnDrop(plat::Window* window, const plat::DataObject& data, plat::DROPEFFECT effect, plat::Point point) override;
  // Copy with Ctrl, else move; the grid never scrolls under a drag.
  plat::DROPEFFECT OnDragScroll(plat::Window* window, std::uint32_t key_state, plat::Point point) override;

 private:
  bool Serves(const plat::Window* window) const;

  CGridCtrl* grid_ = nullptr;
  bool registered_ = false;
};

}  // namespace grid
