#pragma once
// Test support for windows: synthetic mouse, key and wheel input sent through
// Qt's event path to a window's widget (as the window system delivers it),
// pumping the message queue, firing timers, a faked cursor and key state, and a
// caught WM_QUIT.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/window/window.h"

namespace plat::testing {

// Modifier keys held during a synthetic event.
inline constexpr unsigned kShift = 1;
inline constexpr unsigned kCtrl = 2;
inline constexpr unsigned kAlt = 4;

enum class MouseButton { kLeft, kRight, kMiddle, kX1, kX2 };

// Points are in the window's client coordinates. `held` lists the MK_ buttons
// down during a move.
void MouseDown(Window& window, Point point, MouseButton button = MouseButton::kLeft, unsigned mods = 0);
void MouseUp(Window& window, Point point, MouseButton button = MouseButton::kLeft, unsigned mods = 0);
void MouseMove(Window& window, Point point, unsigned held = 0, unsigned mods = 0);
// Press and release.
void Click(Window& window, Point point, MouseButton button = MouseButton::kLeft, unsigned mods = 0);
// Press, release, double click, release: the sequence the window system sends.
void DoubleClick(Window& window, Point point, MouseButton button = MouseButton::kLeft, unsigned mods = 0);
// A wheel turn of `delta` (120 = one notch away from the user); with Alt held it
// arrives as Qt delivers it, turned horizontal.
void Wheel(Window& window, int delta, unsigned mods = 0, Point point = {});

// A single key event of the virtual key `vk` (keypad keys come as keypad keys),
// with the modifiers held and the text the key types.
void KeyDown(Window& window, int vk, unsigned mods = 0, bool auto_repeat = false);
void KeyUp(Window& window, int vk, unsigned mods = 0);
// The whole stroke: the modifier keys go down, the key goes down and up, the
// modifier keys go up.
void PressKey(Window& window, int vk, unsigned mods = 0);
// Key strokes typing Windows-1252 text.
void TypeText(Window& window, std::string_view text);
// A click on a part of the window's scroll bar (SB_HORZ or SB_VERT) through
// Qt's mouse events on it: `part` SB_LINEUP / SB_LINEDOWN is an arrow,
// SB_PAGEUP / SB_PAGEDOWN the trough before or after the thumb.
void ClickScrollBar(Window& window, int bar, UINT part);
// Presses the thumb of the window's scroll bar, moves it `pixels` along the bar
// in `steps` moves, and lets it go.
void DragScrollThumb(Window& window, int bar, int pixels, int steps = 1);
// Files dropped at a point (full paths).
void DropFiles(Window& window, const std::vector<std::string>& paths, Point point);

// What the window shows on the screen now (its widget rendered, as a paint of
// the window system would show it).
Bitmap WindowPixels(Window& window);

// Handles queued messages until nothing is queued any more; false when still busy
// after `max_rounds` passes (a message that keeps queueing more).
bool PumpMessages(int max_rounds = 1000);
// Handles queued messages until `done` holds; false after the timeout.
bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 10000);
// Queued messages and cross-thread calls not handled yet.
int QueuedMessageCount();

// Delivers WM_TIMER for a running timer as the timer's expiry would; false (and
// nothing delivered) when the window has no such timer.
bool FireTimer(Window& window, UINT_PTR id);
bool HasTimer(Window& window, UINT_PTR id);

// While alive, the cursor position and the key state are the test's: all keys up,
// the cursor where set (mouse events move it as well).
class FakeInput {
 public:
  FakeInput();
  ~FakeInput();
  FakeInput(const FakeInput&) = delete;
  FakeInput& operator=(const FakeInput&) = delete;

  void SetCursorPos(Point screen);
  void SetKeyState(int vk, bool down);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// While alive, WM_QUIT records its exit code instead of ending the message loop.
class QuitCatcher {
 public:
  QuitCatcher();
  ~QuitCatcher();
  QuitCatcher(const QuitCatcher&) = delete;
  QuitCatcher& operator=(const QuitCatcher&) = delete;

  std::optional<int> code() const { return code_; }

 private:
  std::function<void(int)> hook_;
  std::function<void(int)>* previous_;
  std::optional<int> code_;
};

}  // namespace plat::testing
