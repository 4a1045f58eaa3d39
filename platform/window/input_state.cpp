#include "platform/window/input_state.h"

#include <QCursor>

#include "platform/window/input_tracking.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace detail {
namespace {

InputState system_input;
InputState* installed = nullptr;

}  // namespace

InputState& CurrentInput() { return installed ? *installed : system_input; }

InputState* InstallInput(InputState* state) {
  InputState* previous = installed;
  installed = state;
  return previous;
}

void SetKeyDown(InputState& state, int vk, bool down) {
  if (vk <= 0 || vk > 255) return;
  std::uint8_t& k = state.keys[static_cast<std::size_t>(vk)];
  k = down ? static_cast<std::uint8_t>(k | 0x80) : static_cast<std::uint8_t>(k & 0x7F);
}

void NoteKey(int vk, bool down) {
  if (vk <= 0 || vk > 255) return;
  std::uint8_t& k = CurrentInput().keys[static_cast<std::size_t>(vk)];
  if (down) {
    if (!(k & 0x80)) k ^= 0x01;  // a fresh press toggles
    k |= 0x80;
  } else {
    k &= 0x7F;
  }
}

void NoteModifiers(bool shift, bool ctrl, bool alt) {
  InputState& s = CurrentInput();
  SetKeyDown(s, VK_SHIFT, shift);
  SetKeyDown(s, VK_CONTROL, ctrl);
  SetKeyDown(s, VK_MENU, alt);
}

void NoteButtons(unsigned mk_buttons) {
  InputState& s = CurrentInput();
  SetKeyDown(s, VK_LBUTTON, mk_buttons & MK_LBUTTON);
  SetKeyDown(s, VK_RBUTTON, mk_buttons & MK_RBUTTON);
  SetKeyDown(s, VK_MBUTTON, mk_buttons & MK_MBUTTON);
  SetKeyDown(s, VK_XBUTTON1, mk_buttons & MK_XBUTTON1);
  SetKeyDown(s, VK_XBUTTON2, mk_buttons & MK_XBUTTON2);
}

void NoteCursor(Point screen) {
  InputState& s = CurrentInput();
  s.last_mouse = screen;
  if (s.cursor_faked) s.cursor = screen;
}

}  // namespace detail

short GetKeyState(int vk) {
  if (vk <= 0 || vk > 255) return 0;
  const std::uint8_t k = detail::CurrentInput().keys[static_cast<std::size_t>(vk)];
  return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

bool GetCursorPos(Point* point) {
  if (!point) return false;
  const detail::InputState& s = detail::CurrentInput();
  if (s.cursor_faked) {
    *point = s.cursor;
  } else {
    const QPoint p = QCursor::pos();
    *point = Point{p.x(), p.y()};
  }
  return true;
}

}  // namespace plat
