#include "platform/window/host_widget.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimerEvent>
#include <QUrl>
#include <QWheelEvent>

#include <cstdlib>
#include <cstring>

#include "platform/clipboard/drag_events.h"
#include "platform/dc/qt_bitmap.h"
#include "platform/window/first_paint.h"
#include "platform/window/input_tracking.h"
#include "platform/window/qt_input.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat::detail {
namespace {

int event_depth = 0;

// The key message being delivered from the keyboard, for TranslateMessage.
struct KeyBeingDelivered {
  HWND hwnd;
  UINT message;
  WPARAM vk;
  bool translated;
  KeyBeingDelivered* outer;
};
KeyBeingDelivered* current_key = nullptr;

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

bool TranslateKeyMessage(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  for (KeyBeingDelivered* k = current_key; k; k = k->outer) {
    if (k->hwnd == msg.hwnd && k->message == msg.message && k->vk == msg.wParam) {
      k->translated = true;
      return true;
    }
  }
  return false;
}

HostWidget::HostWidget(Window* window, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), window_(window) {
  setMouseTracking(true);  // moves without a button, as Win32 reports them
  // Only SetFocus gives a window the focus (never a click, never Tab): the
  // focus is ours to keep (see window_focus.cpp).
  setFocusPolicy(Qt::NoFocus);
  // Every pixel is painted here (the picture, the border, the corner between the scroll bars):
  // Qt fills no background first, and a parent paints nothing of itself where such a child
  // covers it (a frame covered by its bars and its view makes no picture at all).
  setAttribute(Qt::WA_OpaquePaintEvent);
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
  if (!isEnabled() && !CaptureWindow()) {
    // A disabled window (or one inside a disabled parent) takes no input.
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        event->accept();
        return true;
      default: break;
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
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop: return HandleDrag(event);
    case QEvent::FocusIn:
    case QEvent::FocusOut: HandleFocus(static_cast<QFocusEvent*>(event)); return QWidget::event(event);
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      if (isWindow()) HandleActivation(type == QEvent::WindowActivate);
      return QWidget::event(event);
    case QEvent::WindowStateChange:
      // As on Windows, a minimised window paints nothing until it is restored, then all of it.
      if (isWindow()) setUpdatesEnabled(!isMinimized());
      return QWidget::event(event);
    case QEvent::Resize: {
      const bool handled = QWidget::event(event);
      LayoutFrame();
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

const std::shared_ptr<Bitmap>& HostWidget::backing() {
  // Only as much as child windows leave uncovered (an MDI child frame under its view needs its
  // caption's strip); it grows when a child leaves more, and shrinks only with the client area.
  const QSize kept = QSize(backing_->width(), backing_->height()).boundedTo(backing_size_);
  const QSize size = UncoveredExtent().expandedTo(kept);
  if (backing_->width() != size.width() || backing_->height() != size.height()) {
    backing_->Resize(size.width(), size.height());
  }
  return backing_;
}

Bitmap HostWidget::ClientPicture() {
  const std::shared_ptr<Bitmap>& shown = backing();
  if (shown->width() == backing_size_.width() && shown->height() == backing_size_.height()) return *shown;
  Bitmap picture = *shown;
  picture.Resize(backing_size_.width(), backing_size_.height());
  return picture;
}

QRegion HostWidget::ChildCover() const {
  QRegion cover;
  for (QObject* object : children()) {
    const auto* child = dynamic_cast<const HostWidget*>(object);
    if (child && !child->isWindow() && child->isVisibleTo(this)) cover += child->geometry().translated(-ClientOrigin());
  }
  return cover;
}

QSize HostWidget::UncoveredExtent() const {
  const QRect uncovered = (QRegion(QRect(QPoint(0, 0), backing_size_)) - ChildCover()).boundingRect();
  return uncovered.isEmpty() ? QSize(0, 0) : QSize(uncovered.right() + 1, uncovered.bottom() + 1);
}

void HostWidget::FitBacking() {
  const QRect client = ClientRect();
  if (client.size() == backing_size_) return;
  backing_size_ = client.size();
  Invalidate(client, true);  // a window's whole client area is repainted when its size changes
}

void HostWidget::Invalidate(const QRect& area, bool erase) {
  const QRect clipped = area & ClientRect();
  if (clipped.isEmpty()) return;
  invalid_ += clipped;
  erase_ = erase_ || erase;
  update(clipped.translated(ClientOrigin()));
}

QRegion HostWidget::ExposedUpdateRegion() const { return invalid_ - ChildCover(); }

QRect HostWidget::TakeUpdateRegion(bool* erase) {
  const QRegion exposed = ExposedUpdateRegion();
  *erase = erase_;
  invalid_ -= exposed;
  if (invalid_.isEmpty()) erase_ = false;
  return exposed.boundingRect();
}

void HostWidget::ShowChanged(const QRect& area) {
  if (!in_paint_event_ && !area.isEmpty()) update(area.translated(ClientOrigin()));
}

void HostWidget::ScrollPixels(const QRect& area, const QRect& limit, int dx, int dy) {
  QImage& image = QtImage(*backing());
  // Pixels beyond the picture lie under child windows: nothing of them is shown or moved.
  const QRect target = area.translated(dx, dy) & limit & area & image.rect() & image.rect().translated(dx, dy);
  if (!target.isEmpty()) {
    const QImage source = image.copy(target.translated(-dx, -dy));
    const std::size_t bytes = static_cast<std::size_t>(target.width()) * 4;  // Format_RGB32
    for (int y = 0; y < target.height(); ++y) {
      std::memcpy(image.scanLine(target.top() + y) + static_cast<std::size_t>(target.left()) * 4,
                  source.constScanLine(y), bytes);
    }
  }
  const QRegion pending = invalid_ & area;
  invalid_ = (invalid_ - pending) + (pending.translated(dx, dy) & limit);
  const QRegion uncovered = QRegion(area & limit) - QRegion(target);
  for (const QRect& r : uncovered) Invalidate(r, true);
  update(QRegion(area & limit).translated(ClientOrigin()));
}

QPoint HostWidget::ClientOrigin() const { return border_ ? QPoint(1, 1) : QPoint(0, 0); }

QRect HostWidget::ClientRect() const {
  const int frame = border_ ? 2 : 0;
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int w = width() - frame - (bar_shown_[SB_VERT] ? extent : 0);
  const int h = height() - frame - (bar_shown_[SB_HORZ] ? extent : 0);
  return QRect(0, 0, std::max(0, w), std::max(0, h));
}

void HostWidget::SetBorder(bool border) {
  if (border_ == border) return;
  border_ = border;
  LayoutFrame();
  update();
}

QScrollBar* HostWidget::ScrollBar(int bar) {
  QScrollBar*& b = bars_[bar & 1];
  if (!b) {
    b = new QScrollBar((bar & 1) == SB_VERT ? Qt::Vertical : Qt::Horizontal, this);
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    ConnectScrollBar(this, bar & 1);
  }
  return b;
}

bool HostWidget::ScrollBarShown(int bar) const { return bar_shown_[bar & 1]; }

void HostWidget::ShowScrollBar(int bar, bool show) {
  if (bar_shown_[bar & 1] == show) return;
  bar_shown_[bar & 1] = show;
  ScrollBar(bar)->setVisible(show);
  LayoutFrame();
  if (window_) WindowState::Of(*window_)->ReportSize(SIZE_RESTORED);
}

void HostWidget::LayoutFrame() {
  const QRect client = ClientRect().translated(ClientOrigin());
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  if (bar_shown_[SB_VERT]) {
    bars_[SB_VERT]->setGeometry(client.right() + 1, client.top(), extent, client.height());
    bars_[SB_VERT]->raise();
  }
  if (bar_shown_[SB_HORZ]) {
    bars_[SB_HORZ]->setGeometry(client.left(), client.bottom() + 1, client.width(), extent);
    bars_[SB_HORZ]->raise();
  }
  FitBacking();
}

void HostWidget::ShowCursor(HCURSOR handle, const QCursor& cursor) {
  shown_cursor_ = handle;
  setCursor(cursor);
}

void HostWidget::paintEvent(QPaintEvent* event) {
  if (window_ && HasUpdateRegion()) {
    in_paint_event_ = true;
    window_->SendMessage(WM_PAINT);
    in_paint_event_ = false;
  }
  QPainter painter(this);
  const QPoint origin = ClientOrigin();
  const QRect client = ClientRect();
  const QImage& picture = QtImage(*backing());
  for (const QRect& area : event->region()) {
    const QRect inside = area.translated(-origin) & client & picture.rect();  // the rest is under children
    if (!inside.isEmpty()) painter.drawImage(inside.translated(origin), picture, inside);
  }
  if (bar_shown_[SB_HORZ] && bar_shown_[SB_VERT]) {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    painter.fillRect(QRect(origin + QPoint(client.width(), client.height()), QSize(extent, extent)),
                     palette().window());
  }
  if (border_) {
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
  }
  NoteFirstPaint(*this);
}

void HostWidget::HandleMouse(QMouseEvent* event) {
  const unsigned flags = TakePointerEvent(*event);

  UINT xbutton = 0;
  const UINT message =
      event->type() == QEvent::MouseMove ? WM_MOUSEMOVE : ButtonMessage(event->type(), event->button(), &xbutton);
  if (message == 0) return;
  const WPARAM wParam = xbutton ? MAKEWPARAM(flags, xbutton) : flags;

  // While a window holds the capture, every mouse message goes to it, in its
  // client coordinates, and no WM_SETCURSOR is asked.
  if (Window* capture = CaptureWindow()) {
    HostWidget* target = WindowState::Of(*capture)->host;
    if (!target) return;
    NoteCursorWindow(target);
    const QPoint global = event->globalPosition().toPoint();
    const QPoint client = target->ToClient(target->mapFromGlobal(global));
    MSG msg = MakeMessage(capture->GetSafeHwnd(), message, wParam, PackPoint(Point{client.x(), client.y()}));
    DeliverQueued(msg);
    return;
  }
  if (!isVisible() && !OffscreenPlatform()) {
    // The window system sent it while the window was still shown (under its
    // grab, before it let the pointer go): as on Win32 the input goes to the
    // window under the pointer.
    const QPoint global = event->globalPosition().toPoint();
    if (HostWidget* under = HostWidgetAt(global); under && under != this) {
      under->DeliverMouse(message, wParam, under->ToClient(under->mapFromGlobal(global)));
    }
    return;
  }
  DeliverMouse(message, wParam, ToClient(event->position().toPoint()));
}

HostWidget* HostWidgetAt(QPoint global) {
  for (QWidget* w = QApplication::widgetAt(global); w; w = w->parentWidget()) {
    if (auto* host = dynamic_cast<HostWidget*>(w); host && host->window()) return host;
    if (w->isWindow()) break;
  }
  return nullptr;
}

void HostWidget::DeliverMouse(UINT message, WPARAM wParam, QPoint client) {
  // The border and the scroll bars are no client area: Win32 sends them no client messages.
  if (!ClientRect().contains(client)) return;
  NoteCursorWindow(this);
  const HWND hwnd = window_->GetSafeHwnd();
  // Every mouse message is preceded by WM_SETCURSOR.
  window_->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, message));
  if (!window_) return;
  MSG msg = MakeMessage(hwnd, message, wParam, PackPoint(Point{client.x(), client.y()}));
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
    KeyBeingDelivered delivering{hwnd, message, static_cast<WPARAM>(key.vk), false, current_key};
    current_key = &delivering;
    translate = DeliverQueued(msg);
    current_key = delivering.outer;
    translate = translate || delivering.translated;
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

bool HostWidget::HandleDrag(QEvent* event) {
  // A registered drop target takes every drag; otherwise files, with DragAcceptFiles.
  if (DeliverDragEvent(*this, event)) return true;
  switch (event->type()) {
    case QEvent::DragEnter: {
      auto* drag = static_cast<QDragEnterEvent*>(event);
      if (!WindowState::Of(*window_)->accept_files || LocalFiles(drag->mimeData()).empty()) {
        drag->ignore();
      } else {
        drag->acceptProposedAction();
      }
      return true;
    }
    case QEvent::DragMove: static_cast<QDragMoveEvent*>(event)->acceptProposedAction(); return true;
    case QEvent::Drop: HandleDrop(static_cast<QDropEvent*>(event)); return true;
    default: return QWidget::event(event);
  }
}

void HostWidget::HandleFocus(QFocusEvent* event) {
  // Only what a person did counts: SetFocus moves the focus itself, at once,
  // and activation is followed by HandleActivation.
  const Qt::FocusReason reason = event->reason();
  const bool by_user = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                       reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
  if (by_user && event->gotFocus() && window_) FocusFromSystem(window_);
}

// A person activated another window or program. Under the offscreen platform
// nobody does: Qt's activations there all follow our own calls, late.
void HostWidget::HandleActivation(bool active) {
  if (OffscreenPlatform() || !window_) return;
  Window* focus = Window::GetFocus();
  const bool inside = focus && (focus == window_ || window_->IsChild(focus));
  if (active) {
    if (inside) return;
    Window* remembered = Window::FromHandle(remembered_focus_);
    FocusFromSystem(remembered && window_->IsChild(remembered) ? remembered : window_);
  } else if (inside) {
    remembered_focus_ = focus->GetSafeHwnd();
    FocusFromSystem(nullptr);
  }
}

void HostWidget::HandleDrop(QDropEvent* event) {
  const QPoint client = ToClient(event->position().toPoint());
  DroppedFiles drop{LocalFiles(event->mimeData()), Point{client.x(), client.y()}};
  if (drop.files.empty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  MSG msg = MakeMessage(window_->GetSafeHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
  DeliverQueued(msg);
}

}  // namespace plat::detail
