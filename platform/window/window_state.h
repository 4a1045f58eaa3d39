#pragma once
// The private state of a Window and the delivery of queued messages. Only
// platform code includes this.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/cursor.h"
#include "platform/window/messages.h"
#include "platform/window/wheel_accumulator.h"
#include "platform/window/window.h"

namespace plat {
class DropTarget;
}

namespace plat::detail {

class HostWidget;

// What WM_DROPFILES carries (its wParam points at it while it is handled).
struct DroppedFiles {
  std::vector<std::string> files;
  Point point;  // client coordinates
};

// One scroll bar of a window, as Win32 keeps it.
struct ScrollBarState {
  int min = 0;
  int max = 0;
  unsigned page = 0;
  int pos = 0;
  int track = 0;          // the thumb's place while the user drags it
  bool tracking = false;  // the user drags the thumb
  bool enabled = true;    // false: kept shown though nothing scrolls (SIF_DISABLENOSCROLL)

  // The largest position: max - max(page - 1, 0).
  int Limit() const { return max - std::max(static_cast<int>(page) - 1, 0); }
  // Whether anything can scroll.
  bool Scrolls() const { return min < Limit(); }
  // Takes the parts of `info` its mask names and clamps page and position as
  // Win32 does.
  void Apply(const SCROLLINFO& info);
};

struct WindowState {
  explicit WindowState(Window* w) : self(w) {}
  static WindowState* Of(Window& window) { return window.state_.get(); }

  Window* self;
  HostWidget* host = nullptr;
  Window* parent = nullptr;          // parent of a child, owner of a top-level window
  std::vector<Window*> children;     // children and owned windows, in creation order
  UINT id = 0;
  DWORD style = 0;
  DWORD ex_style = 0;
  std::string text;                  // the window text (Windows-1252)
  HCURSOR class_cursor = nullptr;    // shown in the client area when nobody sets one (nullptr: the arrow)
  DropTarget* drop_target = nullptr; // the registered drop target, if any
  bool accept_files = false;         // DragAcceptFiles
  ScrollBarState scroll[2];          // SB_HORZ, SB_VERT
  bool destroying = false;
  std::map<UINT_PTR, int> timers;    // timer id -> the widget's timer
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);  // false once the object is deleted
  const MSG* current = nullptr;      // the message being handled
  WheelAccumulator wheel;
  Size reported_size{-1, -1};        // the client size of the last WM_SIZE

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  // Calls WindowProc with `msg` as the current message; safe if the window is
  // deleted inside.
  LRESULT Dispatch(const MSG& msg);
  // Ends the window after WM_DESTROY: children, timers, handle, widget.
  void Teardown();
  // The widget is being deleted from outside (its Qt parent went).
  void HostGone();
  // Sends WM_SIZE when the client size changed since the last one.
  void ReportSize(UINT type);
  // WM_PAINT: takes the update region, erases when asked and calls OnPaint.
  void Paint();
  // A top-level window was shown and activated: it takes the focus unless the
  // focus is inside it already.
  void Activate();
  // Shows the scroll bar's state on its widget.
  void ShowScrollState(int bar);
};

// Focus and capture: what a window that goes away leaves behind (no messages
// reach it any more). Called by DestroyWindow before WM_DESTROY.
void ForgetFocusAndCapture(HWND hwnd);
// The window that takes mouse input now: the capture window, or nullptr.
Window* CaptureWindow();
// Follows a focus change that the window system made (the user activated a
// window): sends the messages as SetFocus does.
void FocusFromSystem(Window* window);
// True under the offscreen platform (tests): nobody activates windows there.
bool OffscreenPlatform();

// Delivers a queued message (input, posted, timer) as a message loop does:
// PreTranslateMessage from the target up through its parents, then WindowProc.
// False when a PreTranslateMessage took it or the window is gone.
bool DeliverQueued(MSG& msg);

// How many messages windows have handled so far (a modal loop of an
// unattended run watches it).
std::uint64_t DispatchedMessageCount();

// A message stamped with the time and the cursor position.
MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat::detail
