// Message cracking (WindowProc), the default handling and the base handlers.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "platform/window/host_widget.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat {
namespace {

Point PointOf(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
UINT KeyState(WPARAM wParam) { return GET_KEYSTATE_WPARAM(wParam); }

}  // namespace

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const UINT repeat = LOWORD(static_cast<std::uint64_t>(lParam));
  const UINT key_flags = HIWORD(static_cast<std::uint64_t>(lParam));
  switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0, static_cast<UINT>(lParam)); return 0;
    case WM_PAINT: state_->Paint(); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd(*reinterpret_cast<Dc*>(wParam)) ? 1 : 0;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uint64_t>(lParam)), key_flags);
      return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_MBUTTONDOWN: OnMButtonDown(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_MBUTTONUP: OnMButtonUp(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_MBUTTONDBLCLK: OnMButtonDblClk(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_XBUTTONDOWN: OnXButtonDown(KeyState(wParam), GET_XBUTTON_WPARAM(wParam), PointOf(lParam)); return 1;
    case WM_XBUTTONUP: OnXButtonUp(KeyState(wParam), GET_XBUTTON_WPARAM(wParam), PointOf(lParam)); return 1;
    case WM_XBUTTONDBLCLK:
      OnXButtonDblClk(KeyState(wParam), GET_XBUTTON_WPARAM(wParam), PointOf(lParam));
      return 1;
    case WM_MOUSEMOVE: OnMouseMove(KeyState(wParam), PointOf(lParam)); return 0;
    case WM_MOUSEWHEEL:
      return OnMouseWheel(KeyState(wParam), static_cast<short>(GET_WHEEL_DELTA_WPARAM(wParam)), PointOf(lParam))
                 ? 1
                 : 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_KEYUP: OnKeyUp(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_SYSKEYUP: OnSysKeyUp(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_SYSCHAR: OnSysChar(static_cast<UINT>(wParam), repeat, key_flags); return 0;
    case WM_SETCURSOR:
      return OnSetCursor(FromHandle(ParamHandle(wParam)), LOWORD(static_cast<std::uint64_t>(lParam)), key_flags) ? 1
                                                                                                                : 0;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(FromHandle(ParamHandle(wParam)), PointOf(lParam)); return 0;
    case WM_DROPFILES: {
      const auto* drop = reinterpret_cast<const detail::DroppedFiles*>(wParam);
      if (drop) OnDropFiles(drop->files, drop->point);
      return 0;
    }
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_COMMAND: return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_NOTIFY: {
      LRESULT result = 0;
      return OnNotify(wParam, lParam, &result) ? result : DefWindowProc(message, wParam, lParam);
    }
    case WM_SETFOCUS: OnSetFocus(FromHandle(ParamHandle(wParam))); return 0;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(ParamHandle(wParam))); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(FromHandle(ParamHandle(static_cast<std::uint64_t>(lParam)))); return 0;
    case WM_HSCROLL:
      OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(ParamHandle(static_cast<std::uint64_t>(lParam))));
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(ParamHandle(static_cast<std::uint64_t>(lParam))));
      return 0;
    default: return DefWindowProc(message, wParam, lParam);
  }
}

bool Window::PreTranslateMessage(MSG*) { return false; }

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  Window* parent = state_->IsChild() ? state_->parent : nullptr;
  switch (message) {
    case WM_CLOSE: DestroyWindow(); return 0;
    case WM_ERASEBKGND: {
      auto* dc = reinterpret_cast<Dc*>(wParam);
      if (!dc) return 0;
      dc->FillRect(dc->GetClipBox(), Brush::Solid(Rgb(255, 255, 255)));
      return 1;
    }
    case WM_MOUSEWHEEL: return parent ? parent->SendMessage(message, wParam, lParam) : 0;
    case WM_CONTEXTMENU: return parent ? parent->SendMessage(message, wParam, lParam) : 0;
    case WM_SETCURSOR:
      // The parent may set the cursor for its children; else the class cursor.
      if (parent && parent->SendMessage(message, wParam, lParam)) return 1;
      if (ParamHandle(wParam) != hwnd_ || LOWORD(static_cast<std::uint64_t>(lParam)) != HTCLIENT) return 0;
      if (state_->host) detail::ShowClassCursor(state_->host, state_->class_cursor);
      return 1;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      state_->text = text ? text : "";
      if (state_->host) state_->host->setWindowTitle(QString::fromStdString(Cp1252ToUtf8(state_->text)));
      return 1;
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(state_->text.size());
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!buffer || wParam == 0) return 0;
      const std::size_t n = std::min<std::size_t>(state_->text.size(), wParam - 1);
      std::memcpy(buffer, state_->text.data(), n);
      buffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_NCHITTEST: return HitTest(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_RBUTTONUP: {
      Point screen = PointOf(lParam);
      ClientToScreen(&screen);
      return SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd_),
                         MAKELPARAM(static_cast<unsigned>(screen.x), static_cast<unsigned>(screen.y)));
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The context-menu key asks for the menu at the keyboard's place.
      if (wParam == VK_APPS) {
        return SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd_), MAKELPARAM(0xFFFF, 0xFFFF));
      }
      return 0;
    default: return 0;
  }
}

LRESULT Window::Default() {
  const MSG* msg = state_->current;
  return msg ? DefWindowProc(msg->message, msg->wParam, msg->lParam) : 0;
}

int Window::OnCreate(const CREATESTRUCT&) { return static_cast<int>(Default()); }
void Window::OnDestroy() { Default(); }
void Window::PostNcDestroy() {}
void Window::OnClose() { Default(); }
void Window::OnSize(UINT, int, int) { Default(); }
void Window::OnShowWindow(bool, UINT) { Default(); }
void Window::OnPaint(Dc&) { Default(); }
bool Window::OnEraseBkgnd(Dc&) { return Default() != 0; }
void Window::OnLButtonDown(UINT, Point) { Default(); }
void Window::OnLButtonUp(UINT, Point) { Default(); }
void Window::OnLButtonDblClk(UINT, Point) { Default(); }
void Window::OnRButtonDown(UINT, Point) { Default(); }
void Window::OnRButtonUp(UINT, Point) { Default(); }
void Window::OnRButtonDblClk(UINT, Point) { Default(); }
void Window::OnMButtonDown(UINT, Point) { Default(); }
void Window::OnMButtonUp(UINT, Point) { Default(); }
void Window::OnMButtonDblClk(UINT, Point) { Default(); }
void Window::OnXButtonDown(UINT, UINT, Point) { Default(); }
void Window::OnXButtonUp(UINT, UINT, Point) { Default(); }
void Window::OnXButtonDblClk(UINT, UINT, Point) { Default(); }
void Window::OnMouseMove(UINT, Point) { Default(); }
bool Window::OnMouseWheel(UINT, short, Point) { return Default() != 0; }
void Window::OnKeyDown(UINT, UINT, UINT) { Default(); }
void Window::OnKeyUp(UINT, UINT, UINT) { Default(); }
void Window::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void Window::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void Window::OnChar(UINT, UINT, UINT) { Default(); }
void Window::OnSysChar(UINT, UINT, UINT) { Default(); }
bool Window::OnSetCursor(Window*, UINT, UINT) { return Default() != 0; }
void Window::OnTimer(UINT_PTR) { Default(); }
void Window::OnContextMenu(Window*, Point) { Default(); }
void Window::OnDropFiles(const std::vector<std::string>&, Point) { Default(); }
UINT Window::OnGetDlgCode() { return static_cast<UINT>(Default()); }
bool Window::OnCommand(WPARAM, LPARAM) { return false; }
bool Window::OnNotify(WPARAM, LPARAM, LRESULT*) { return false; }
void Window::OnHScroll(UINT, UINT, Window*) { Default(); }
void Window::OnVScroll(UINT, UINT, Window*) { Default(); }
void Window::OnSetFocus(Window*) { Default(); }
void Window::OnKillFocus(Window*) { Default(); }
void Window::OnCaptureChanged(Window*) { Default(); }

LRESULT Window::HitTest(Point screen) const {
  const detail::HostWidget* widget = state_->host;
  if (!widget) return HTNOWHERE;
  const QPoint local = widget->mapFromGlobal(QPoint(screen.x, screen.y));
  if (!widget->rect().contains(local)) return HTNOWHERE;
  const QPoint client = widget->ToClient(local);
  const QRect area = widget->ClientRect();
  if (area.contains(client)) return HTCLIENT;
  if (widget->ScrollBarShown(SB_VERT) && client.x() >= area.width() && client.y() < area.height()) return HTVSCROLL;
  if (widget->ScrollBarShown(SB_HORZ) && client.y() >= area.height() && client.x() < area.width()) return HTHSCROLL;
  return HTBORDER;
}

}  // namespace plat
