// Where windows are: placement, Z order, showing with activation, the window
// under a point, and the class cursor.
#include <QWidget>

#include "platform/window/host_widget.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat {

namespace detail {

void WindowState::Activate() {
  if (IsChild() || (ex_style & WS_EX_NOACTIVATE)) return;
  Window* focus = Window::GetFocus();
  if (focus && (focus == self || self->IsChild(focus))) return;
  self->SetFocus();
}

}  // namespace detail

namespace {

Rect ToRect(const QRect& r) { return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

void Window::GetWindowRect(Rect* rect) const {
  if (!rect) return;
  const QWidget* widget = state_->host;
  if (!widget) {
    *rect = Rect{};
    return;
  }
  *rect = ToRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

void Window::ClientToScreen(Rect* rect) const {
  if (!rect) return;
  Point a{rect->left, rect->top};
  Point b{rect->right, rect->bottom};
  ClientToScreen(&a);
  ClientToScreen(&b);
  *rect = Rect{a.x, a.y, b.x, b.y};
}

void Window::ScreenToClient(Rect* rect) const {
  if (!rect) return;
  Point a{rect->left, rect->top};
  Point b{rect->right, rect->bottom};
  ScreenToClient(&a);
  ScreenToClient(&b);
  *rect = Rect{a.x, a.y, b.x, b.y};
}

void Window::MoveWindow(int x, int y, int width, int height, bool repaint) {
  SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

void Window::MoveWindow(const Rect& rect, bool repaint) {
  MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

bool Window::SetWindowPos(HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  detail::HostWidget* widget = state_->host;
  if (!widget) return false;
  const std::shared_ptr<bool> alive = state_->alive;
  if (!(flags & SWP_NOMOVE)) {
    // A child's place is in its parent's client coordinates, inside the parent's border.
    const detail::HostWidget* parent = state_->IsChild() && state_->parent ? state_->parent->state_->host : nullptr;
    const QPoint origin = parent ? parent->ClientOrigin() : QPoint(0, 0);
    widget->move(x + origin.x(), y + origin.y());
  }
  if (!(flags & SWP_NOSIZE)) {
    const QSize before = widget->ClientRect().size();
    widget->resize(std::max(0, cx), std::max(0, cy));
    widget->LayoutFrame();  // a hidden widget hears of its size only when shown
    state_->ReportSize(SIZE_RESTORED);
    if (!*alive || !state_->host) return true;
    if (!(flags & SWP_NOREDRAW) && widget->ClientRect().size() != before) Invalidate(true);
  }
  if (!(flags & SWP_NOZORDER)) {
    const bool top_level = !state_->IsChild();
    if (top_level && (insert_after == HWND_TOPMOST || insert_after == HWND_NOTOPMOST)) {
      const bool topmost = insert_after == HWND_TOPMOST;
      if (widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost) {
        const bool visible = widget->isVisible();
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides a shown window
        if (visible) widget->show();
      }
      state_->ex_style = topmost ? (state_->ex_style | WS_EX_TOPMOST) : (state_->ex_style & ~WS_EX_TOPMOST);
    } else if (insert_after == HWND_BOTTOM) {
      if (!top_level || !detail::OffscreenPlatform()) widget->lower();
    } else if (insert_after == HWND_TOP || insert_after == HWND_TOPMOST) {
      if (!top_level || !detail::OffscreenPlatform()) widget->raise();  // offscreen has no stacking to change
    } else if (Window* sibling = FromHandle(insert_after); sibling && sibling->state_->host) {
      widget->stackUnder(sibling->state_->host);
    }
  }
  if (flags & SWP_HIDEWINDOW) {
    ShowWindow(SW_HIDE);
  } else if (flags & SWP_SHOWWINDOW) {
    ShowWindow((flags & SWP_NOACTIVATE) ? SW_SHOWNOACTIVATE : SW_SHOW);
  }
  return true;
}

Window* Window::WindowFromPoint(Point screen) {
  detail::HostWidget* host = detail::HostWidgetAt(QPoint(screen.x, screen.y));
  return host ? host->window() : nullptr;
}

HCURSOR Window::SetClassCursor(HCURSOR cursor) {
  const HCURSOR previous = state_->class_cursor;
  state_->class_cursor = cursor;
  return previous;
}

}  // namespace plat
