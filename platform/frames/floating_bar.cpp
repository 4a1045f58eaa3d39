#include "platform/frames/floating_bar.h"

#include <QToolBar>
#include <QWidget>

#include "platform/controls/control.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/tool_bar.h"

namespace plat {

FloatingBar::FloatingBar(ToolBar& bar) : bar_(bar.GetSafeHwnd()) {}
FloatingBar::~FloatingBar() { DestroyWindow(); }

ToolBar* FloatingBar::Bar() const { return dynamic_cast<ToolBar*>(Window::FromHandle(bar_)); }

bool FloatingBar::Create(FrameWnd* frame, Point place, std::string_view title, bool visible) {
  ToolBar* bar = Bar();
  if (!bar || !bar->widget()) return false;
  const QSize size = bar->widget()->sizeHint();
  const Rect rect{place.x, place.y, place.x + size.width(), place.y + size.height()};
  if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, title, WS_CAPTION | WS_SYSMENU, rect, frame)) return false;
  MoveWindow(place.x, place.y, size.width(), size.height());  // the place is the window's, caption included
  if (visible) ShowWindow(SW_SHOWNOACTIVATE);
  return true;
}

void FloatingBar::Fit() {
  ToolBar* bar = Bar();
  if (!bar || !bar->widget() || !GetSafeHwnd()) return;
  const QSize size = bar->widget()->sizeHint();
  const Point place = Place();
  MoveWindow(place.x, place.y, size.width(), size.height());
  // The window system may report the new size later: the bar takes it now.
  if (bar->widget()->parentWidget() == detail::WidgetOfWindow(*this)) bar->widget()->setGeometry(0, 0, size.width(), size.height());
}

Point FloatingBar::Place() {
  // Where MoveWindow put it: the window's corner outside its caption, where the window system has one.
  const QWidget* widget = detail::WidgetOfWindow(*this);
  return widget ? Point{widget->pos().x(), widget->pos().y()} : Point{};
}

void FloatingBar::OnClose() {
  if (ToolBar* bar = Bar()) {
    if (FrameWnd* frame = bar->GetFrame()) {
      frame->ShowControlBar(bar, false);
      return;
    }
  }
  ShowWindow(SW_HIDE);
}

void FloatingBar::OnSize(UINT, int cx, int cy) {
  ToolBar* bar = Bar();
  if (bar && bar->widget() && bar->widget()->parentWidget() == detail::WidgetOfWindow(*this)) {
    bar->widget()->setGeometry(0, 0, cx, cy);
  }
}

void FloatingBar::OnDestroy() {
  if (ToolBar* bar = Bar()) bar->FloatingGone(Place());
  Window::OnDestroy();
}

bool FloatingBar::OnEraseBkgnd(Dc& dc) {
  dc.FillRect(dc.GetClipBox(), Brush::Solid(DialogFaceColor()));
  return true;
}

}  // namespace plat
