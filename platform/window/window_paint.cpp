// Painting: the update region, WM_PAINT and WM_ERASEBKGND on the window's
// picture, and Dcs on the window outside painting.
#include <QPointer>

#include "platform/dc/painter_dc.h"
#include "platform/window/host_widget.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Keeps the picture alive until the painter on it has ended (it is the first base).
struct PictureHold {
  std::shared_ptr<Bitmap> picture;
};

// GetDC's Dc: shows what it drew when it goes.
class WindowDc : private PictureHold, public PainterDc {
 public:
  WindowDc(std::shared_ptr<Bitmap> picture, detail::HostWidget* widget)
      : PictureHold{std::move(picture)}, PainterDc(*PictureHold::picture), widget_(widget) {}
  ~WindowDc() override {
    if (widget_) widget_->ShowChanged(ToQRect(TouchedRect()));
  }

 private:
  QPointer<detail::HostWidget> widget_;
};

}  // namespace

namespace detail {

void WindowState::Paint() {
  if (!host) return;
  bool erase = false;
  const QRect area = host->TakeUpdateRegion(&erase);
  const std::shared_ptr<Bitmap> picture = host->backing();
  const QPointer<HostWidget> widget = host;
  const std::shared_ptr<bool> still_alive = alive;
  {
    PainterDc dc(*picture);
    dc.SelectClipRect(Rect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    if (erase) self->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<Dc*>(&dc)), 0);
    if (*still_alive) self->OnPaint(dc);
  }
  if (widget) widget->ShowChanged(area);
}

}  // namespace detail

void Window::Invalidate(bool erase) { InvalidateRect(nullptr, erase); }

void Window::InvalidateRect(const Rect* rect, bool erase) {
  detail::HostWidget* widget = state_->host;
  if (!widget) return;
  widget->Invalidate(rect ? ToQRect(*rect) : widget->rect(), erase);
}

void Window::UpdateWindow() {
  if (state_->host && state_->host->HasUpdateRegion()) SendMessage(WM_PAINT);
}

std::unique_ptr<Dc> Window::GetDC() {
  if (!hwnd_ || !state_->host) return nullptr;
  return std::make_unique<WindowDc>(state_->host->backing(), state_->host);
}

}  // namespace plat
