#pragma once
// Drop targets (OLE's COleDropTarget): a window that registers one is asked
// about every drag that passes over it, with the data, the key state and the
// point in its client coordinates, and decides the effect of a drop.
//
// Order: OnDragEnter when a drag comes over the window, then OnDragScroll and
// (unless that answered with DROPEFFECT_SCROLL) OnDragOver for every move,
// then OnDragLeave when it goes away or ends refused (the last answer was
// DROPEFFECT_NONE), or OnDrop when it is dropped. The effect a drop reports to
// the source is the last OnDragOver answer among the effects the source
// permits, DROPEFFECT_NONE when OnDrop returns false.
#include <cstdint>

#include "platform/clipboard/data_object.h"
#include "platform/dc/gdi_types.h"
#include "platform/window/messages.h"

namespace plat {

class Window;

class DropTarget {
 public:
  DropTarget() = default;
  // Revokes the registration.
  virtual ~DropTarget();
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;

  // Registers this target for the window (a window has one target; a later
  // registration replaces it). False without a window. The registration ends
  // with Revoke, the target's end, or the window's.
  bool Register(Window* window);
  void Revoke();
  // The window registered for, or nullptr.
  Window* window() const;

  // key_state: MK_LBUTTON, MK_RBUTTON, MK_MBUTTON, MK_SHIFT, MK_CONTROL, MK_ALT.
  // The defaults refuse (DROPEFFECT_NONE) and take nothing.
  virtual DROPEFFECT OnDragEnter(Window* window, const DataObject& data, std::uint32_t key_state, Point point);
  virtual DROPEFFECT OnDragOver(Window* window, const DataObject& data, std::uint32_t key_state, Point point);
  virtual void OnDragLeave(Window* window);
  // True when the data was taken; `effect` is the effect OnDragOver chose.
  virtual bool OnDrop(Window* window, const DataObject& data, DROPEFFECT effect, Point point);
  // Asked before OnDragOver; DROPEFFECT_SCROLL in the answer means the target
  // scrolled and OnDragOver is not asked. The default: DROPEFFECT_NONE.
  virtual DROPEFFECT OnDragScroll(Window* window, std::uint32_t key_state, Point point);

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace plat
