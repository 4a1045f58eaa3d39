// The window's own scroll bars with Win32's clamping, the user's actions on
// them as WM_HSCROLL / WM_VSCROLL, and ScrollWindow.
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cstdint>

#include "platform/window/host_widget.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat {
namespace detail {

void ScrollBarState::Apply(const SCROLLINFO& info) {
  if (info.fMask & SIF_RANGE) {
    min = info.nMin;
    max = info.nMax < info.nMin ? info.nMin : info.nMax;
  }
  if (info.fMask & SIF_PAGE) page = info.nPage;
  if (info.fMask & SIF_POS) pos = info.nPos;
  const std::int64_t span = std::int64_t{max} - min + 1;
  if (static_cast<std::int64_t>(page) > span) page = static_cast<unsigned>(span);
  pos = std::clamp(pos, min, Limit());
}

void WindowState::ShowScrollState(int bar) {
  if (!host) return;
  QScrollBar* widget = host->ExistingScrollBar(bar);
  if (!widget) return;
  const ScrollBarState& s = scroll[bar];
  const QSignalBlocker quiet(widget);
  widget->setRange(s.min, s.Limit());
  widget->setPageStep(static_cast<int>(std::min<unsigned>(s.page, 0x7FFFFFFF)));
  widget->setValue(s.pos);
  widget->setSliderPosition(s.tracking ? s.track : s.pos);
  widget->setEnabled(s.enabled);
}

namespace {

UINT ScrollMessage(int bar) { return bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL; }

void SendScroll(Window* window, int bar, UINT code, int pos) {
  window->SendMessage(ScrollMessage(bar), MAKEWPARAM(code, static_cast<unsigned>(pos)), 0);
}

// Sends SB_ENDSCROLL when the user lets go of an arrow or the page area (a
// drag ends with the slider's release instead).
class EndScrollFilter : public QObject {
 public:
  EndScrollFilter(HostWidget* host, int bar, QObject* parent) : QObject(parent), host_(host), bar_(bar) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonRelease || !host_) return QObject::eventFilter(watched, event);
    Window* window = host_->window();
    if (!window || WindowState::Of(*window)->scroll[bar_].tracking) return QObject::eventFilter(watched, event);
    watched->QObject::event(event);  // the bar stops repeating first
    if (host_ && host_->window() == window) SendScroll(window, bar_, SB_ENDSCROLL, 0);
    return true;
  }

 private:
  QPointer<HostWidget> host_;
  int bar_;
};

}  // namespace

void ConnectScrollBar(HostWidget* host, int bar) {
  QScrollBar* widget = host->ExistingScrollBar(bar);
  widget->setTracking(false);  // Win32's position moves only when the program sets it
  widget->installEventFilter(new EndScrollFilter(host, bar, widget));
  const QPointer<HostWidget> guard = host;
  auto state_of = [guard, bar]() -> ScrollBarState* {
    Window* window = guard ? guard->window() : nullptr;
    return window ? &WindowState::Of(*window)->scroll[bar] : nullptr;
  };
  QObject::connect(widget, &QAbstractSlider::actionTriggered, widget, [guard, bar, widget, state_of](int action) {
    ScrollBarState* s = state_of();
    if (!s) return;
    UINT code = 0;
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
      case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
      case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
      case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
      case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
      case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
      default: return;  // drags arrive through sliderMoved
    }
    widget->setSliderPosition(s->pos);  // the bar stays where the program keeps it
    SendScroll(guard->window(), bar, code, s->pos);
  });
  QObject::connect(widget, &QAbstractSlider::sliderPressed, widget, [state_of]() {
    if (ScrollBarState* s = state_of()) {
      s->tracking = true;
      s->track = s->pos;
    }
  });
  QObject::connect(widget, &QAbstractSlider::sliderMoved, widget, [guard, bar, state_of](int position) {
    ScrollBarState* s = state_of();
    if (!s || !s->tracking || s->track == position) return;
    s->track = position;
    SendScroll(guard->window(), bar, SB_THUMBTRACK, position);
  });
  QObject::connect(widget, &QAbstractSlider::sliderReleased, widget, [guard, bar, state_of]() {
    ScrollBarState* s = state_of();
    if (!s || !s->tracking) return;
    Window* window = guard->window();
    const std::shared_ptr<bool> alive = WindowState::Of(*window)->alive;
    // The track position stays readable while SB_THUMBPOSITION is handled.
    SendScroll(window, bar, SB_THUMBPOSITION, s->track);
    if (!*alive || !window->GetSafeHwnd()) return;
    s->tracking = false;
    SendScroll(window, bar, SB_ENDSCROLL, 0);
    if (*alive && window->GetSafeHwnd()) WindowState::Of(*window)->ShowScrollState(bar);
  });
}

}  // namespace detail

namespace {
bool KnownBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }
}  // namespace

int Window::SetScrollInfo(int bar, const SCROLLINFO& info, bool) {
  if (!KnownBar(bar) || !hwnd_) return 0;
  detail::ScrollBarState& s = state_->scroll[bar];
  s.Apply(info);
  if (state_->host && (info.fMask & (SIF_RANGE | SIF_PAGE))) {
    state_->host->ScrollBar(bar);
    if (info.fMask & SIF_DISABLENOSCROLL) {
      s.enabled = s.Scrolls();
      state_->ShowScrollState(bar);
      state_->host->ShowScrollBar(bar, true);
    } else {
      s.enabled = true;
      state_->ShowScrollState(bar);
      state_->host->ShowScrollBar(bar, s.Scrolls());  // may send WM_SIZE
    }
  } else {
    state_->ShowScrollState(bar);
  }
  return state_->scroll[bar].pos;
}

bool Window::GetScrollInfo(int bar, SCROLLINFO* info) const {
  if (!KnownBar(bar) || !info) return false;
  const detail::ScrollBarState& s = state_->scroll[bar];
  if (info->fMask & SIF_RANGE) {
    info->nMin = s.min;
    info->nMax = s.max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = s.page;
  if (info->fMask & SIF_POS) info->nPos = s.pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s.tracking ? s.track : s.pos;
  return true;
}

int Window::SetScrollPos(int bar, int pos, bool redraw) {
  if (!KnownBar(bar)) return 0;
  const int previous = state_->scroll[bar].pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(bar, info, redraw);
  return previous;
}

int Window::GetScrollPos(int bar) const { return KnownBar(bar) ? state_->scroll[bar].pos : 0; }

void Window::SetScrollRange(int bar, int min, int max, bool redraw) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = min;
  info.nMax = max;
  SetScrollInfo(bar, info, redraw);
}

void Window::GetScrollRange(int bar, int* min, int* max) const {
  const detail::ScrollBarState s = KnownBar(bar) ? state_->scroll[bar] : detail::ScrollBarState{};
  if (min) *min = s.min;
  if (max) *max = s.max;
}

int Window::GetScrollLimit(int bar) const { return KnownBar(bar) ? state_->scroll[bar].Limit() : 0; }

void Window::ShowScrollBar(int bar, bool show) {
  if (!state_->host) return;
  for (int b : {SB_HORZ, SB_VERT}) {
    if (bar == b || bar == SB_BOTH) {
      state_->host->ScrollBar(b);
      state_->ShowScrollState(b);
      if (state_->host) state_->host->ShowScrollBar(b, show);
    }
  }
}

void Window::ScrollWindow(int dx, int dy, const Rect* scroll, const Rect* clip) {
  detail::HostWidget* widget = state_->host;
  if (!widget || (dx == 0 && dy == 0)) return;
  const QRect client = widget->ClientRect();
  const QRect area = scroll ? QRect(scroll->left, scroll->top, scroll->Width(), scroll->Height()) & client : client;
  const QRect limit = clip ? QRect(clip->left, clip->top, clip->Width(), clip->Height()) & client : client;
  widget->ScrollPixels(area, limit, dx, dy);
  if (!scroll) {
    // The children move along with the picture.
    for (Window* child : state_->children) {
      detail::HostWidget* c = child->state_->host;
      if (child->state_->IsChild() && c) c->move(c->pos() + QPoint(dx, dy));
    }
  }
}

}  // namespace plat
