#pragma once
// What the window widgets learn from input events, kept for GetKeyState and
// GetCursorPos, and the test replacement of it.
#include <array>
#include <cstdint>

#include "platform/dc/gdi_types.h"

namespace plat::detail {

struct InputState {
  std::array<std::uint8_t, 256> keys{};  // 0x80: down, 0x01: toggled
  bool cursor_faked = false;             // a test set the cursor position
  Point cursor;                          // the test's cursor
  Point last_mouse;                      // where the latest mouse event was, in screen coordinates
};

// The state in use: the system's, or a test's while one is installed.
InputState& CurrentInput();
// Installs `state` (nullptr: the system's again); returns the one it replaces.
InputState* InstallInput(InputState* state);

// Sets a key down or up in `state` without toggling it.
void SetKeyDown(InputState& state, int vk, bool down);

// A key press or release (a press toggles the key).
void NoteKey(int vk, bool down);
void NoteModifiers(bool shift, bool ctrl, bool alt);
// MK_LBUTTON, MK_RBUTTON, MK_MBUTTON, MK_XBUTTON1, MK_XBUTTON2 held.
void NoteButtons(unsigned mk_buttons);
// Where the mouse is, from an input event (moves a test's cursor too).
void NoteCursor(Point screen);

}  // namespace plat::detail
