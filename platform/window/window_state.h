#pragma once
// The private state of a Window and the delivery of queued messages. Only
// platform code includes this.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/messages.h"
#include "platform/window/wheel_accumulator.h"
#include "platform/window/window.h"

namespace plat::detail {

class HostWidget;

// What WM_DROPFILES carries (its wParam points at it while it is handled).
struct DroppedFiles {
  std::vector<std::string> files;
  Point point;  // client coordinates
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
};

// Delivers a queued message (input, posted, timer) as a message loop does:
// PreTranslateMessage from the target up through its parents, then WindowProc.
// False when a PreTranslateMessage took it or the window is gone.
bool DeliverQueued(MSG& msg);

// A message stamped with the time and the cursor position.
MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat::detail
