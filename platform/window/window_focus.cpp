// The keyboard focus and the mouse capture, kept by the program as Win32 keeps
// them: changes send their messages at once, in Win32's order. The window
// system's focus follows ours (the widget of the focus window gets Qt's focus);
// ours follows the window system's only where a person acted (activation).
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "platform/window/host_widget.h"
#include "platform/window/window.h"
#include "platform/window/window_registry.h"
#include "platform/window/window_state.h"

namespace plat {
namespace detail {
namespace {

struct FocusAndCapture {
  HWND focus = nullptr;      // the focus as GetFocus reports it
  HWND announced = nullptr;  // the window that got WM_SETFOCUS and no WM_KILLFOCUS since
  HWND capture = nullptr;
};

FocusAndCapture& State() {  // user-interface thread only
  static FocusAndCapture state;
  return state;
}

LPARAM HandleLParam(HWND hwnd) { return HandleParam(hwnd); }
WPARAM HandleWParam(HWND hwnd) { return static_cast<WPARAM>(reinterpret_cast<std::uintptr_t>(hwnd)); }

// Qt's focus follows ours, so that a person's keys reach the focus window.
void GiveQtFocus(Window* window) {
  HostWidget* widget = WindowState::Of(*window)->host;
  if (!widget) return;
  widget->setFocus(Qt::OtherFocusReason);
  QWidget* top = widget->QWidget::window();
  if (!OffscreenPlatform() && top->isVisible() && QGuiApplication::focusWindow() &&
      top->windowHandle() != QGuiApplication::focusWindow()) {
    top->activateWindow();  // only while the program is active: never steal it from another program
  }
}

HWND MoveFocus(HWND target, bool from_system) {
  FocusAndCapture& s = State();
  const HWND previous = s.focus;
  if (target && !LookupWindow(target)) return nullptr;
  if (previous == target) {
    if (target && !from_system) GiveQtFocus(LookupWindow(target));
    return previous;
  }
  s.focus = target;
  HWND lost = nullptr;
  if (s.announced && s.announced != target) {
    lost = s.announced;
    s.announced = nullptr;
    if (Window* old = LookupWindow(lost)) old->SendMessage(WM_KILLFOCUS, HandleWParam(target), 0);
  }
  if (s.focus != target) return previous;  // the kill-focus handler moved the focus on
  Window* now = LookupWindow(target);
  if (!now) {
    s.focus = nullptr;  // the new window went while the old one heard of it
    return previous;
  }
  if (s.announced == target) return previous;
  s.announced = target;
  if (!from_system) GiveQtFocus(now);
  now->SendMessage(WM_SETFOCUS, HandleWParam(LookupWindow(lost) ? lost : nullptr), 0);
  return previous;
}

// Win32 gives the capture window every mouse message, and a modal dialog
// disables only its owner. Qt's application modality instead drops the input
// of every top-level window that is not the dialog's: an unowned popup that
// takes the capture while a dialog runs (a grid's title tip) would get no
// move or click and could never go. Made transient for the dialog, it is not
// blocked by it.
void LetModalDialogPassInput(QWidget* widget) {
  QWindow* modal = QGuiApplication::modalWindow();
  QWindow* window = widget->window()->windowHandle();
  if (!modal || !window || window == modal || modal->isAncestorOf(window)) return;
  window->setTransientParent(modal);
}

void GrabMouse(HWND hwnd, bool grab) {
  Window* w = LookupWindow(hwnd);
  HostWidget* widget = w ? WindowState::Of(*w)->host : nullptr;
  // The offscreen platform cannot grab (it says so on every try); events between
  // our own widgets are routed to the capture window anyway.
  if (!widget || OffscreenPlatform()) return;
  if (grab && widget->isVisible()) {
    LetModalDialogPassInput(widget);
    widget->grabMouse();
  } else if (!grab && QWidget::mouseGrabber() == widget) {
    widget->releaseMouse();
  }
}

}  // namespace

bool OffscreenPlatform() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

void FocusFromSystem(Window* window) { MoveFocus(window ? window->GetSafeHwnd() : nullptr, true); }

Window* CaptureWindow() { return LookupWindow(State().capture); }

void ForgetFocusAndCapture(HWND hwnd) {
  FocusAndCapture& s = State();
  if (s.capture == hwnd) {
    GrabMouse(hwnd, false);
    s.capture = nullptr;
  }
  if (s.focus == hwnd) MoveFocus(nullptr, false);  // the window hears WM_KILLFOCUS before it goes
  if (s.announced == hwnd) s.announced = nullptr;
}

}  // namespace detail

HWND SetFocus(HWND hwnd) { return detail::MoveFocus(hwnd, false); }

HWND GetFocus() {
  const HWND focus = detail::State().focus;
  return detail::LookupWindow(focus) ? focus : nullptr;
}

HWND SetCapture(HWND hwnd) {
  auto& s = detail::State();
  const HWND previous = s.capture;
  if (hwnd && !detail::LookupWindow(hwnd)) return nullptr;
  if (previous == hwnd) return previous;
  s.capture = hwnd;
  detail::GrabMouse(previous, false);
  detail::GrabMouse(hwnd, true);
  if (Window* old = detail::LookupWindow(previous)) old->SendMessage(WM_CAPTURECHANGED, 0, detail::HandleLParam(hwnd));
  return detail::LookupWindow(previous) ? previous : nullptr;
}

bool ReleaseCapture() {
  SetCapture(nullptr);
  return true;
}

HWND GetCapture() {
  const HWND capture = detail::State().capture;
  return detail::LookupWindow(capture) ? capture : nullptr;
}

Window* Window::SetFocus() {
  if (!hwnd_) return nullptr;
  return FromHandle(plat::SetFocus(hwnd_));
}

Window* Window::GetFocus() { return FromHandle(plat::GetFocus()); }

Window* Window::SetCapture() {
  if (!hwnd_) return nullptr;
  return FromHandle(plat::SetCapture(hwnd_));
}

Window* Window::GetCapture() { return FromHandle(plat::GetCapture()); }

}  // namespace plat
