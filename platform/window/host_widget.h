#pragma once
// The Qt widget that hosts a Window: it turns the widget's events into the
// window's messages. Only platform code includes this.
#include <QRegion>
#include <QWidget>

#include <memory>

#include "platform/dc/bitmap.h"

namespace plat {
class Window;
}

namespace plat::detail {

class HostWidget : public QWidget {
 public:
  HostWidget(Window* window, QWidget* parent, Qt::WindowFlags flags);
  ~HostWidget() override;

  Window* window() const { return window_; }
  // The window is gone: events are no longer passed on.
  void Detach() { window_ = nullptr; }
  // Deletes the widget now, or later when a widget event is being handled.
  void Release();

  // ---- Painting ----
  // The window's picture: paints and window Dcs draw into it, the widget shows it.
  std::shared_ptr<Bitmap> backing() const { return backing_; }
  // Fits the picture to the widget's size (pixels that remain keep their place)
  // and marks the whole client area for painting.
  void FitBacking();
  // Adds a rectangle (client coordinates, clamped to the client area) to the
  // update region and asks for a paint.
  void Invalidate(const QRect& rect, bool erase);
  bool HasUpdateRegion() const { return !invalid_.isEmpty(); }
  // BeginPaint: takes the update region (its bounding rectangle) and the erase
  // request, leaving the window valid.
  QRect TakeUpdateRegion(bool* erase);
  // Shows changed pixels of the picture (after drawing outside a paint event).
  void ShowChanged(const QRect& rect);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void HandleMouse(QMouseEvent* event);
  void HandleWheel(QWheelEvent* event);
  void HandleKey(QKeyEvent* event);
  void HandleTimer(int qt_timer_id);
  void HandleDrop(QDropEvent* event);

  Window* window_;
  bool being_deleted_ = false;
  std::shared_ptr<Bitmap> backing_ = std::make_shared<Bitmap>();
  QRegion invalid_;
  bool erase_ = false;
  bool in_paint_event_ = false;
};

}  // namespace plat::detail
