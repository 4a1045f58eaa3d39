#pragma once
// The keyboard and mouse state as Win32 reports it to the user-interface
// thread: the state as of the input message being handled. Tests set it through
// plat::testing::FakeInput.
#include "platform/dc/gdi_types.h"

namespace plat {

// Negative (high bit set) while the key is down; bit 0 toggles with every press.
// Takes virtual-key codes (VK_SHIFT, VK_CONTROL, VK_MENU, VK_LBUTTON, 'A', ...).
short GetKeyState(int vk);
// The cursor in screen coordinates.
bool GetCursorPos(Point* point);

}  // namespace plat
