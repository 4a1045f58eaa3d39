#pragma once
// The Qt widget that hosts a Window: it turns the widget's events into the
// window's messages. Only platform code includes this.
#include <QCursor>
#include <QRegion>
#include <QWidget>

#include <memory>

#include "platform/dc/bitmap.h"
#include "platform/window/cursor.h"
#include "platform/window/messages.h"

class QScrollBar;

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
  // The window's picture, anchored at the client area's top-left corner and as
  // large as the part that child windows leave uncovered: paints and window Dcs
  // draw into it, the widget shows it. It is made or fitted here, when it is
  // needed (pixels that remain keep their place), not on every step of a
  // layout that changes the size again and again before anything is drawn.
  const std::shared_ptr<Bitmap>& backing();
  // The picture at the client area's size (white where none was kept).
  Bitmap ClientPicture();
  // Takes note of the client area's size: when it changed, the whole client
  // area is marked for painting and the picture is fitted when next needed.
  void FitBacking();
  // Adds a rectangle (client coordinates, clamped to the client area) to the
  // update region and asks for a paint.
  void Invalidate(const QRect& rect, bool erase);
  // Whether a paint would show anything: the update region less the parts that
  // child windows cover (a frame under its bars and its view has nothing to
  // paint; those parts stay in the region until a child leaves them).
  bool HasUpdateRegion() const { return !invalid_.isEmpty() && !ExposedUpdateRegion().isEmpty(); }
  // BeginPaint: takes the uncovered part of the update region (its bounding
  // rectangle) and the erase request, leaving that part valid.
  QRect TakeUpdateRegion(bool* erase);
  // Shows changed pixels of the picture (after drawing outside a paint event).
  void ShowChanged(const QRect& rect);
  // ScrollWindow: moves the pixels of `area` by (dx, dy), changing only pixels
  // inside `limit`; the pending update region moves along and what the move
  // uncovered is marked for painting.
  void ScrollPixels(const QRect& area, const QRect& limit, int dx, int dy);

  // ---- The frame around the client area ----
  // Rectangles and points without "Widget" in their name are client
  // coordinates: (0, 0) is the client area's top-left corner, inside the
  // one-pixel border of WS_BORDER; the scroll bars lie right and below.
  QPoint ClientOrigin() const;
  // (0, 0, client width, client height).
  QRect ClientRect() const;
  QPoint ToWidget(QPoint client) const { return client + ClientOrigin(); }
  QPoint ToClient(QPoint widget) const { return widget - ClientOrigin(); }
  // Draws a one-pixel border around the client area (WS_BORDER).
  void SetBorder(bool border);
  bool HasBorder() const { return border_; }
  // The scroll bar SB_HORZ or SB_VERT; created (hidden) on first demand.
  QScrollBar* ScrollBar(int bar);
  QScrollBar* ExistingScrollBar(int bar) const { return bars_[bar & 1]; }
  // Shows or hides a scroll bar; the client area shrinks or grows (WM_SIZE).
  void ShowScrollBar(int bar, bool show);
  bool ScrollBarShown(int bar) const;
  // Places the scroll bars and fits the picture to the client area.
  void LayoutFrame();

  // ---- Cursor ----
  void ShowCursor(HCURSOR handle, const QCursor& cursor);
  HCURSOR shown_cursor() const { return shown_cursor_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRegion ExposedUpdateRegion() const;
  // The client area that shown child windows cover, in client coordinates.
  QRegion ChildCover() const;
  // The size from the client's top-left corner that holds all it leaves uncovered.
  QSize UncoveredExtent() const;
  void HandleMouse(QMouseEvent* event);
  // A mouse message at a point of the client area (elsewhere: none), after WM_SETCURSOR.
  void DeliverMouse(UINT message, WPARAM wParam, QPoint client);
  void HandleWheel(QWheelEvent* event);
  void HandleKey(QKeyEvent* event);
  void HandleTimer(int qt_timer_id);
  void HandleDrop(QDropEvent* event);
  bool HandleDrag(QEvent* event);
  void HandleFocus(QFocusEvent* event);
  void HandleActivation(bool active);

  Window* window_;
  bool border_ = false;
  QScrollBar* bars_[2] = {nullptr, nullptr};
  bool bar_shown_[2] = {false, false};
  HCURSOR shown_cursor_ = nullptr;
  HWND remembered_focus_ = nullptr;  // a top-level window's focus while it is inactive
  bool being_deleted_ = false;
  std::shared_ptr<Bitmap> backing_ = std::make_shared<Bitmap>();
  QSize backing_size_{0, 0};  // the client area's size that the picture is to have
  QRegion invalid_;
  bool erase_ = false;
  bool in_paint_event_ = false;
};

// The shown window's widget under a screen point, or nullptr.
HostWidget* HostWidgetAt(QPoint global);

// TranslateMessage for a key-down being delivered from the keyboard: its
// characters follow it even though a PreTranslateMessage took it.
bool TranslateKeyMessage(const MSG& msg);

// Turns the actions of the widget's scroll bar SB_HORZ or SB_VERT into
// WM_HSCROLL or WM_VSCROLL (window_scroll.cpp).
void ConnectScrollBar(HostWidget* host, int bar);

// The window under the mouse, where SetCursor shows a cursor.
void NoteCursorWindow(HostWidget* widget);
// WM_SETCURSOR's default: the window's class cursor (the arrow when none).
void ShowClassCursor(HostWidget* widget, HCURSOR cursor);

}  // namespace plat::detail
