#pragma once
// A window handle as a 32-bit number and back, for files that keep a window's
// handle in 4 bytes. The number is unique among the live windows; once its
// window is gone it names none.
#include <cstdint>

#include "platform/window/messages.h"

namespace plat {

// 0 for nullptr.
std::int32_t HandleToLong(HWND hwnd);
// The handle of the live window with that number; nullptr when there is none.
HWND LongToHandle(std::int32_t number);

}  // namespace plat
