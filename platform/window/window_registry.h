#pragma once
// The handle table: which handles name live windows, and the cross-thread sends
// that wait on each window. Safe from any thread; the window objects it returns
// may only be used on the user-interface thread.
#include <memory>

#include "platform/window/messages.h"
#include "platform/window/ui_thread.h"

namespace plat::detail {

// A fresh handle (never reused) for the window.
HWND RegisterWindow(Window* window);
// The handle names no window any more; sends that wait on it are released with 0.
void UnregisterWindow(HWND hwnd);
Window* LookupWindow(HWND hwnd);
// Notes a send from another thread that waits on the window; false when the
// window is gone (the send is then not made).
bool AddWaitingSend(HWND hwnd, const std::shared_ptr<Completion>& completion);

}  // namespace plat::detail
