#include "platform/window/host_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QUrl>
#include <QWheelEvent>

#include <cstdlib>

#include "platform/dc/qt_bitmap.h"
#include "platform/window/input_tracking.h"
#include "platform/window/qt_input.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat::detail {
namespace {

int event_depth = 0;

struct EventDepthMark {
  EventDepthMark() { ++event_depth; }
  ~EventDepthMark() { --event_depth; }
};

Point ToPoint(QPointF p) {
  const QPoint q = p.toPoint();
  return Point{q.x(), q.y()};
}

LPARAM PackPoint(Point p) { return MAKELPARAM(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y)); }

void NoteModifierKeys(Qt::KeyboardModifiers m) {
  NoteModifiers(m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier));
}

constexpr unsigned kButtonFlags = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

// Accepts a mouse or wheel event and notes its keys, buttons and place; its MK_ flags.
unsigned TakePointerEvent(QSinglePointEvent& event) {
  event.accept();
  const unsigned flags = MouseKeyFlags(event.buttons(), event.modifiers());
  NoteModifierKeys(event.modifiers());
  NoteButtons(flags & kButtonFlags);
  NoteCursor(ToPoint(event.globalPosition()));
  return flags;
}

// The message of a button event; 0 for buttons Win32 does not know.
UINT ButtonMessage(QEvent::Type type, Qt::MouseButton button, UINT* xbutton) {
  int index = 0;  // 0 down, 1 up, 2 double click
  if (type == QEvent::MouseButtonRelease) index = 1;
  if (type == QEvent::MouseButtonDblClick) index = 2;
  switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDOWN + index;
    case Qt::RightButton: return WM_RBUTTONDOWN + index;
    case Qt::MiddleButton: return WM_MBUTTONDOWN + index;
    case Qt::XButton1: *xbutton = XBUTTON1; return WM_XBUTTONDOWN + index;
    case Qt::XButton2: *xbutton = XBUTTON2; return WM_XBUTTONDOWN + index;
    default: return 0;
  }
}

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  }
  return files;
}

}  // namespace

HostWidget::HostWidget(Window* window, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), window_(window) {
  setMouseTracking(true);  // moves without a button, as Win32 reports them
  setFocusPolicy(Qt::StrongFocus);
}

HostWidget::~HostWidget() {
  being_deleted_ = true;
  if (Window* w = window_) {
    window_ = nullptr;
    WindowState::Of(*w)->HostGone();
  }
}

void HostWidget::Release() {
  window_ = nullptr;
  if (being_deleted_) return;
  hide();
  if (event_depth > 0) {
    deleteLater();  // a widget event is on the stack, perhaps this widget's own
  } else {
    delete this;
  }
}

bool HostWidget::event(QEvent* event) {
  EventDepthMark mark;
  const QEvent::Type type = event->type();
  if (!window_) {
    // A released widget takes no input.
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Timer:
        event->accept();
        return true;
      case QEvent::Close: event->ignore(); return true;
      default: return QWidget::event(event);
    }
  }
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: HandleMouse(static_cast<QMouseEvent*>(event)); return true;
    case QEvent::Wheel: HandleWheel(static_cast<QWheelEvent*>(event)); return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: HandleKey(static_cast<QKeyEvent*>(event)); return true;
    case QEvent::Timer: HandleTimer(static_cast<QTimerEvent*>(event)->timerId()); return true;
    case QEvent::Close:
      // The window decides (WM_CLOSE); the widget never closes by itself.
      event->ignore();
      window_->SendMessage(WM_CLOSE);
      return true;
    case QEvent::ContextMenu:
      // Win32 raises WM_CONTEXTMENU from the right button's release and the menu key.
      event->accept();
      return true;
    case QEvent::DragEnter: {
      auto* drag = static_cast<QDragEnterEvent*>(event);
      if (!acceptDrops() || LocalFiles(drag->mimeData()).empty()) {
        drag->ignore();
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    case QEvent::DragMove: static_cast<QDragMoveEvent*>(event)->acceptProposedAction(); return true;
    case QEvent::Drop: HandleDrop(static_cast<QDropEvent*>(event)); return true;
    case QEvent::Resize: {
      const bool handled = QWidget::event(event);
      FitBacking();
      if (window_) {
        WindowState::Of(*window_)->ReportSize(isMinimized() ? SIZE_MINIMIZED
                                               : isMaximized() ? SIZE_MAXIMIZED
                                                               : SIZE_RESTORED);
      }
      return handled;
    }
    default: return QWidget::event(event);
  }
}

void HostWidget::FitBacking() {
  if (backing_->width() == width() && backing_->height() == height()) return;
  backing_->Resize(width(), height());
  Invalidate(rect(), true);  // a window's whole client area is repainted when its size changes
}

void HostWidget::Invalidate(const QRect& area, bool erase) {
  const QRect clipped = area & rect();
  if (clipped.isEmpty()) return;
  invalid_ += clipped;
  erase_ = erase_ || erase;
  update(clipped);
}

QRect HostWidget::TakeUpdateRegion(bool* erase) {
  const QRect area = invalid_.boundingRect();
  *erase = erase_;
  invalid_ = QRegion();
  erase_ = false;
  return area;
}

void HostWidget::ShowChanged(const QRect& area) {
  if (!in_paint_event_ && !area.isEmpty()) update(area);
}

void HostWidget::paintEvent(QPaintEvent* event) {
  if (window_ && HasUpdateRegion()) {
    in_paint_event_ = true;
    window_->SendMessage(WM_PAINT);
    in_paint_event_ = false;
  }
  QPainter painter(this);
  for (const QRect& area : event->region()) PaintBitmap(painter, area, *backing_);
}

void HostWidget::HandleMouse(QMouseEvent* event) {
  const unsigned flags = TakePointerEvent(*event);

  UINT xbutton = 0;
  const UINT message =
      event->type() == QEvent::MouseMove ? WM_MOUSEMOVE : ButtonMessage(event->type(), event->button(), &xbutton);
  if (message == 0) return;
  const HWND hwnd = window_->GetSafeHwnd();
  // Every mouse message is preceded by WM_SETCURSOR (the capture is not ours to model here).
  window_->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, message));
  if (!window_) return;
  const WPARAM wParam = xbutton ? MAKEWPARAM(flags, xbutton) : flags;
  MSG msg = MakeMessage(hwnd, message, wParam, PackPoint(ToPoint(event->position())));
  DeliverQueued(msg);
}

void HostWidget::HandleWheel(QWheelEvent* event) {
  const unsigned flags = TakePointerEvent(*event);
  const Qt::KeyboardModifiers mods = event->modifiers();
  const Point screen = ToPoint(event->globalPosition());

  int delta = event->angleDelta().y();
  // Qt turns a wheel turned with Alt held into a horizontal one; Win32 keeps it vertical.
  if (delta == 0 && mods.testFlag(Qt::AltModifier)) delta = event->angleDelta().x();
  if (delta == 0) return;
  const int notches = WindowState::Of(*window_)->wheel.Add(delta);
  const HWND hwnd = window_->GetSafeHwnd();
  const short step = static_cast<short>(notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
  for (int i = 0; i < std::abs(notches) && window_; ++i) {
    MSG msg = MakeMessage(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<std::uint16_t>(step)), PackPoint(screen));
    DeliverQueued(msg);
  }
}

void HostWidget::HandleKey(QKeyEvent* event) {
  event->accept();
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->isAutoRepeat()) return;  // Win32 repeats the key-down alone
  const Qt::KeyboardModifiers mods = event->modifiers();
  NoteModifierKeys(mods);
  const KeyTranslation key = TranslateKey(event->key(), mods, event->nativeScanCode());
  if (key.vk) NoteKey(key.vk, press);

  const bool alt = mods.testFlag(Qt::AltModifier) || key.vk == VK_MENU;
  const bool ctrl = mods.testFlag(Qt::ControlModifier);
  // Alt combinations and F10 are system keys, unless Ctrl is held too (AltGr).
  const bool system = (alt && !ctrl) || key.vk == VK_F10;
  const unsigned scan = event->nativeScanCode() > 8 ? (event->nativeScanCode() - 8) & 0xFF : 0;
  UINT flags = scan | (key.extended ? KF_EXTENDED : 0) | (alt ? KF_ALTDOWN : 0);
  if (press) {
    if (event->isAutoRepeat()) flags |= KF_REPEAT;
  } else {
    flags |= KF_REPEAT | KF_UP;
  }
  const UINT repeat = static_cast<UINT>(std::max(1, event->count()));
  const LPARAM lParam = MAKELPARAM(repeat, flags);
  const HWND hwnd = window_->GetSafeHwnd();

  bool translate = true;
  if (key.vk) {
    const UINT message = press ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    MSG msg = MakeMessage(hwnd, message, static_cast<WPARAM>(key.vk), lParam);
    translate = DeliverQueued(msg);
  }
  // The characters of a key-down that nobody took in PreTranslateMessage.
  if (!press || !translate) return;
  for (char c : TypedCharacters(*event)) {
    if (!window_) return;
    MSG msg = MakeMessage(hwnd, system ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(c), lParam);
    DeliverQueued(msg);
  }
}

void HostWidget::HandleTimer(int qt_timer_id) {
  for (const auto& [id, qt_timer] : WindowState::Of(*window_)->timers) {
    if (qt_timer == qt_timer_id) {
      MSG msg = MakeMessage(window_->GetSafeHwnd(), WM_TIMER, id, 0);
      DeliverQueued(msg);
      return;
    }
  }
}

void HostWidget::HandleDrop(QDropEvent* event) {
  DroppedFiles drop{LocalFiles(event->mimeData()), ToPoint(event->position())};
  if (drop.files.empty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  MSG msg = MakeMessage(window_->GetSafeHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
  DeliverQueued(msg);
}

}  // namespace plat::detail
