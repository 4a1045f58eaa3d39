// The clipped-text tip over a grid cell.
#include "grid/title_tip.h"

#include <memory>

#include "platform/dc/painter_dc.h"
#include "platform/window/messages.h"

namespace grid {

bool CTitleTip::Create(plat::Window* parent) {
  parent_ = parent;
  if (GetSafeHwnd()) return true;
  // Never activated, also not by the click that goes through it: the grid
  // underneath keeps the focus.
  return CreateEx(plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST | plat::WS_EX_NOACTIVATE, "",
                  plat::WS_POPUP | plat::WS_BORDER, plat::Rect{0, 0, 0, 0}, nullptr);
}

bool CTitleTip::Show(const plat::Rect& cell, std::string_view text, const plat::Font& font) {
  if (!GetSafeHwnd() || !parent_ || IsWindowVisible() || !plat::Window::GetFocus()) return false;
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  plat::Rect screen = cell;
  parent_->ClientToScreen(&screen);
  const std::string padded = " " + std::string(text) + " ";
  plat::Bitmap scratch(1, 1);
  plat::PainterDc measure(scratch);
  measure.SelectFont(font);
  const int text_width = measure.GetTextExtent(padded).cx;
  if (screen.left + text_width <= screen.right) return false;
  title_rect_ = plat::Rect{-1, -1, width, height + 1};
  text_ = padded;
  font_ = font;
  SetWindowPos(plat::HWND_TOP, screen.left, screen.top, text_width, screen.bottom - screen.top,
               plat::SWP_SHOWWINDOW | plat::SWP_NOACTIVATE);
  Invalidate();
  UpdateWindow();
  SetCapture();
  return true;
}

void CTitleTip::Hide() {
  if (!GetSafeHwnd()) return;
  if (plat::Window::GetCapture() == this) plat::ReleaseCapture();
  ShowWindow(plat::SW_HIDE);
}

bool CTitleTip::OnEraseBkgnd(plat::Dc& dc) {
  plat::Rect client;
  GetClientRect(&client);
  dc.FillRect(client, plat::Brush::Solid(plat::GetSysColor(plat::COLOR_INFOBK)));
  return true;
}

void CTitleTip::OnPaint(plat::Dc& dc) {
  dc.SetBkMode(plat::TRANSPARENT);
  dc.SelectFont(font_);
  dc.TextOut(0, 0, text_);
}

plat::Window* CTitleTip::TargetUnder(plat::Point client, plat::UINT* hit, plat::Point* screen) {
  *screen = client;
  ClientToScreen(screen);
  plat::Window* target = plat::Window::WindowFromPoint(*screen);
  if (!target || target == this) target = parent_;
  if (!target) return nullptr;
  *hit = static_cast<plat::UINT>(
      target->SendMessage(plat::WM_NCHITTEST, 0, plat::MAKELPARAM(static_cast<unsigned>(screen->x) & 0xFFFF,
                                                                    static_cast<unsigned>(screen->y) & 0xFFFF)));
  return target;
}

namespace {
plat::LPARAM PointParam(plat::Point p) {
  return plat::MAKELPARAM(static_cast<unsigned>(p.x) & 0xFFFF, static_cast<unsigned>(p.y) & 0xFFFF);
}
}  // namespace

void CTitleTip::OnMouseMove(plat::UINT flags, plat::Point point) {
  const plat::Rect& r = title_rect_;
  if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return;
  plat::UINT hit = 0;
  plat::Point screen;
  Hide();
  plat::Window* target = TargetUnder(point, &hit, &screen);
  if (!target) return;
  if (hit == plat::HTCLIENT) {
    plat::Point client = screen;
    target->ScreenToClient(&client);
    target->PostMessage(plat::WM_MOUSEMOVE, flags, PointParam(client));
  } else {
    target->PostMessage(plat::WM_NCMOUSEMOVE, hit, PointParam(screen));
  }
}

bool CTitleTip::PreTranslateMessage(plat::MSG* msg) {
  switch (msg->message) {
    case plat::WM_LBUTTONDOWN:
    case plat::WM_RBUTTONDOWN:
    case plat::WM_MBUTTONDOWN: {
      const plat::Point point{plat::GET_X_LPARAM(msg->lParam), plat::GET_Y_LPARAM(msg->lParam)};
      plat::UINT hit = 0;
      plat::Point screen;
      plat::Window* target = TargetUnder(point, &hit, &screen);
      Hide();
      if (!target) return true;
      plat::UINT message = msg->message;
      plat::WPARAM wParam = msg->wParam;
      plat::LPARAM lParam = 0;
      if (hit == plat::HTCLIENT) {
        plat::Point client = screen;
        target->ScreenToClient(&client);
        lParam = PointParam(client);
      } else {
        message = message == plat::WM_LBUTTONDOWN   ? plat::WM_NCLBUTTONDOWN
                  : message == plat::WM_RBUTTONDOWN ? plat::WM_NCRBUTTONDOWN
                                                    : plat::WM_NCMBUTTONDOWN;
        wParam = hit;
        lParam = PointParam(screen);
      }
      // At once, not posted: the release that follows may already be on its
      // way, and it must find the target holding the capture its press took.
      target->SendMessage(message, wParam, lParam);
      return true;
    }
    case plat::WM_KEYDOWN:
    case plat::WM_SYSKEYDOWN:
      Hide();
      if (parent_) parent_->PostMessage(msg->message, msg->wParam, msg->lParam);
      return true;
    default:
      if (plat::Window::GetFocus()) return Window::PreTranslateMessage(msg);
      Hide();
      return true;
  }
}

}  // namespace grid
