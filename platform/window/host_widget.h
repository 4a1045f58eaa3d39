#pragma once
// The Qt widget that hosts a Window: it turns the widget's events into the
// window's messages. Only platform code includes this.
#include <QWidget>

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

  // Nesting depth of widget events on the stack (deletion must wait while > 0).
  static int EventDepth();

 protected:
  bool event(QEvent* event) override;

 private:
  void HandleMouse(QMouseEvent* event);
  void HandleWheel(QWheelEvent* event);
  void HandleKey(QKeyEvent* event);
  void HandleTimer(int qt_timer_id);
  void HandleDrop(QDropEvent* event);

  Window* window_;
  bool being_deleted_ = false;
};

}  // namespace plat::detail
