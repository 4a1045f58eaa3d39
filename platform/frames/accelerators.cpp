#include "platform/frames/accelerators.h"

#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace plat {

std::optional<UINT> AcceleratorTable::Find(const MSG& msg) const {
  const bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool character = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
  if (!key && !character) return std::nullopt;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0 || msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSCHAR;
  for (const ACCEL& a : entries_) {
    if (a.fVirt & FVIRTKEY) {
      if (!key || msg.wParam != a.key) continue;
      if (((a.fVirt & FSHIFT) != 0) != shift || ((a.fVirt & FCONTROL) != 0) != ctrl ||
          ((a.fVirt & FALT) != 0) != alt) {
        continue;
      }
      return a.cmd;
    }
    // A character: Alt must match, Shift and Ctrl are in the character itself.
    if (!character || msg.wParam != a.key || ((a.fVirt & FALT) != 0) != alt) continue;
    return a.cmd;
  }
  return std::nullopt;
}

}  // namespace plat
