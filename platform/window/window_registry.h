#pragma once
// The handle table: which handles name live windows, and the cross-thread sends
// that wait on each window. Safe from any thread; the window objects it returns
// may only be used on the user-interface thread.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/window/messages.h"
#include "platform/window/ui_thread.h"

namespace plat::detail {

// A fresh handle (never reused) for the window.
HWND RegisterWindow(Window* window);
// The handle names no window any more; sends that wait on it are released with 0.
void UnregisterWindow(HWND hwnd);
Window* LookupWindow(HWND hwnd);
// The handles of all live windows, oldest first (a parent before its children).
std::vector<HWND> LiveHandles();
// The low 32 bits of a handle; unique among the live windows.
inline std::uint32_t HandleNumber(HWND hwnd) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd));
}
// The live window's handle with that number; nullptr when none.
HWND LiveHandleOfNumber(std::uint32_t number);
// Notes a send from another thread that waits on the window; false when the
// window is gone (the send is then not made).
bool AddWaitingSend(HWND hwnd, const std::shared_ptr<Completion>& completion);

}  // namespace plat::detail
