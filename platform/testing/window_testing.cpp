#include "platform/testing/window_testing.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimerEvent>
#include <QUrl>
#include <QWheelEvent>

#include <chrono>
#include <thread>

#include "platform/dc/qt_bitmap.h"
#include "platform/hooks.h"
#include "platform/testing/window_widget.h"
#include "platform/text_codec.h"
#include "platform/window/host_widget.h"
#include "platform/window/input_tracking.h"
#include "platform/window/qt_input.h"
#include "platform/window/ui_thread.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_state.h"

namespace plat::testing {

QWidget* WidgetOf(Window& window) { return detail::WindowState::Of(window)->host; }

Qt::KeyboardModifiers QtModifiers(unsigned mods) {
  Qt::KeyboardModifiers m;
  if (mods & kShift) m |= Qt::ShiftModifier;
  if (mods & kCtrl) m |= Qt::ControlModifier;
  if (mods & kAlt) m |= Qt::AltModifier;
  return m;
}

namespace {

Qt::MouseButton QtButton(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft: return Qt::LeftButton;
    case MouseButton::kRight: return Qt::RightButton;
    case MouseButton::kMiddle: return Qt::MiddleButton;
    case MouseButton::kX1: return Qt::XButton1;
    case MouseButton::kX2: return Qt::XButton2;
  }
  return Qt::NoButton;
}

Qt::MouseButtons QtButtons(unsigned held) {
  Qt::MouseButtons b;
  if (held & MK_LBUTTON) b |= Qt::LeftButton;
  if (held & MK_RBUTTON) b |= Qt::RightButton;
  if (held & MK_MBUTTON) b |= Qt::MiddleButton;
  if (held & MK_XBUTTON1) b |= Qt::XButton1;
  if (held & MK_XBUTTON2) b |= Qt::XButton2;
  return b;
}

// A point in the window's client coordinates as a point of its widget.
QPointF WidgetPoint(Window& window, Point client) {
  const detail::HostWidget* host = detail::WindowState::Of(window)->host;
  return QPointF(host ? host->ToWidget(QPoint(client.x, client.y)) : QPoint(client.x, client.y));
}

void SendMouse(Window& window, QEvent::Type type, Point point, Qt::MouseButton button, Qt::MouseButtons buttons,
               unsigned mods) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return;
  const QPointF local = WidgetPoint(window, point);
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent event(type, local, global, button, buttons, QtModifiers(mods));
  QApplication::sendEvent(widget, &event);
}

// The text a key types, as the keyboard layout would give it.
QString KeyText(int vk, int qt_key, unsigned mods) {
  if (vk >= 'A' && vk <= 'Z') {
    if (mods & kCtrl) return QString(QChar(vk - 'A' + 1));
    return QString(QChar((mods & kShift) ? vk : vk - 'A' + 'a'));
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return QString(QChar('0' + (vk - VK_NUMPAD0)));
  switch (vk) {
    case VK_RETURN: return QStringLiteral("\r");
    case VK_BACK: return QStringLiteral("\b");
    case VK_TAB: return QStringLiteral("\t");
    case VK_ESCAPE: return QStringLiteral("\x1b");
    case VK_DECIMAL: return QStringLiteral(".");
    default: break;
  }
  if (qt_key >= 0x20 && qt_key < 0x7F) return QString(QChar(qt_key));
  return {};
}

void SendKey(Window& window, QEvent::Type type, int vk, unsigned mods, bool auto_repeat) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return;
  bool keypad = false;
  const int qt_key = detail::QtKeyOfVirtualKey(vk, &keypad);
  Qt::KeyboardModifiers m = QtModifiers(mods);
  if (keypad) m |= Qt::KeypadModifier;
  QKeyEvent event(type, qt_key, m, KeyText(vk, qt_key, mods), auto_repeat);
  QApplication::sendEvent(widget, &event);
}

struct ModifierKey {
  unsigned mod;
  int vk;
};
constexpr ModifierKey kModifierKeys[] = {{kCtrl, VK_CONTROL}, {kShift, VK_SHIFT}, {kAlt, VK_MENU}};

void PumpOnce() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace

void MouseDown(Window& window, Point point, MouseButton button, unsigned mods) {
  SendMouse(window, QEvent::MouseButtonPress, point, QtButton(button), QtButton(button), mods);
}

void MouseUp(Window& window, Point point, MouseButton button, unsigned mods) {
  SendMouse(window, QEvent::MouseButtonRelease, point, QtButton(button), Qt::NoButton, mods);
}

void MouseMove(Window& window, Point point, unsigned held, unsigned mods) {
  SendMouse(window, QEvent::MouseMove, point, Qt::NoButton, QtButtons(held), mods);
}

void Click(Window& window, Point point, MouseButton button, unsigned mods) {
  MouseDown(window, point, button, mods);
  MouseUp(window, point, button, mods);
}

void DoubleClick(Window& window, Point point, MouseButton button, unsigned mods) {
  Click(window, point, button, mods);
  SendMouse(window, QEvent::MouseButtonDblClick, point, QtButton(button), QtButton(button), mods);
  MouseUp(window, point, button, mods);
}

void Wheel(Window& window, int delta, unsigned mods, Point point) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return;
  const QPointF local = WidgetPoint(window, point);
  const QPointF global = widget->mapToGlobal(local);
  const QPoint angle = (mods & kAlt) ? QPoint(delta, 0) : QPoint(0, delta);
  QWheelEvent event(local, global, QPoint(), angle, Qt::NoButton, QtModifiers(mods), Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

void KeyDown(Window& window, int vk, unsigned mods, bool auto_repeat) {
  SendKey(window, QEvent::KeyPress, vk, mods, auto_repeat);
}

void KeyUp(Window& window, int vk, unsigned mods) { SendKey(window, QEvent::KeyRelease, vk, mods, false); }

void PressKey(Window& window, int vk, unsigned mods) {
  unsigned held = 0;
  for (const ModifierKey& m : kModifierKeys) {
    if (mods & m.mod) {
      held |= m.mod;
      KeyDown(window, m.vk, held);
    }
  }
  KeyDown(window, vk, mods);
  KeyUp(window, vk, mods);
  for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
    if (mods & it->mod) {
      held &= ~it->mod;
      KeyUp(window, it->vk, held);
    }
  }
}

void TypeText(Window& window, std::string_view text) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return;
  for (char c : text) {
    const char32_t cp = Cp1252CodePoint(static_cast<unsigned char>(c));
    const QChar ch(static_cast<char16_t>(cp));
    int qt_key = ch.toUpper().unicode();
    Qt::KeyboardModifiers mods;
    if (ch.isUpper()) mods |= Qt::ShiftModifier;
    if (c == '\r' || c == '\n') qt_key = Qt::Key_Return;
    QKeyEvent press(QEvent::KeyPress, qt_key, mods, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qt_key, mods, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

namespace {

QScrollBar* ScrollBarOf(Window& window, int bar) {
  detail::HostWidget* host = detail::WindowState::Of(window)->host;
  return host ? host->ExistingScrollBar(bar) : nullptr;
}

// The centre of a part of a scroll bar, as the bar's style lays it out.
QPoint ScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void SendBarMouse(QScrollBar* bar, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(bar->mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    held, Qt::NoModifier);
  QApplication::sendEvent(bar, &event);
}

}  // namespace

void ClickScrollBar(Window& window, int bar, UINT part) {
  QScrollBar* widget = ScrollBarOf(window, bar);
  if (!widget || !widget->isVisible()) return;
  QStyle::SubControl control = QStyle::SC_ScrollBarSubLine;
  if (part == SB_LINEDOWN) control = QStyle::SC_ScrollBarAddLine;
  if (part == SB_PAGEUP) control = QStyle::SC_ScrollBarSubPage;
  if (part == SB_PAGEDOWN) control = QStyle::SC_ScrollBarAddPage;
  const QPoint at = ScrollBarPart(widget, control);
  SendBarMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
  SendBarMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void DragScrollThumb(Window& window, int bar, int pixels, int steps) {
  QScrollBar* widget = ScrollBarOf(window, bar);
  if (!widget || !widget->isVisible() || steps < 1) return;
  const QPoint start = ScrollBarPart(widget, QStyle::SC_ScrollBarSlider);
  const QPoint along = widget->orientation() == Qt::Vertical ? QPoint(0, 1) : QPoint(1, 0);
  SendBarMouse(widget, QEvent::MouseButtonPress, start, Qt::LeftButton);
  for (int i = 1; i <= steps; ++i) {
    SendBarMouse(widget, QEvent::MouseMove, start + along * (pixels * i / steps), Qt::LeftButton);
  }
  SendBarMouse(widget, QEvent::MouseButtonRelease, start + along * pixels, Qt::NoButton);
}

void DropFiles(Window& window, const std::vector<std::string>& paths, Point point) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return;
  QMimeData mime;
  QList<QUrl> urls;
  for (const std::string& p : paths) urls.append(QUrl::fromLocalFile(QString::fromStdString(p)));
  mime.setUrls(urls);
  const QPoint pos = WidgetPoint(window, point).toPoint();
  QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted()) return;
  QDropEvent drop(QPointF(pos), Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &drop);
}

Bitmap WindowPixels(Window& window) {
  QWidget* widget = WidgetOf(window);
  if (!widget) return Bitmap();
  return BitmapFromQImage(widget->grab().toImage());
}

bool PumpMessages(int max_rounds) {
  int quiet_rounds = 0;
  for (int i = 0; i < max_rounds; ++i) {
    PumpOnce();
    if (detail::PendingUiCalls() != 0) {
      quiet_rounds = 0;
    } else if (++quiet_rounds >= 2) {
      return true;
    }
  }
  return false;
}

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    PumpOnce();
    if (detail::PendingUiCalls() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

int QueuedMessageCount() { return detail::PendingUiCalls(); }

bool FireTimer(Window& window, UINT_PTR id) {
  detail::WindowState* state = detail::WindowState::Of(window);
  auto it = state->timers.find(id);
  if (it == state->timers.end() || !state->host) return false;
  QTimerEvent event(it->second);
  QApplication::sendEvent(state->host, &event);
  return true;
}

bool HasTimer(Window& window, UINT_PTR id) { return detail::WindowState::Of(window)->timers.count(id) != 0; }

struct FakeInput::Impl {
  detail::InputState state;
  detail::InputState* previous = nullptr;
};

FakeInput::FakeInput() : impl_(std::make_unique<Impl>()) {
  impl_->state.cursor_faked = true;
  impl_->previous = detail::InstallInput(&impl_->state);
}

FakeInput::~FakeInput() { detail::InstallInput(impl_->previous); }

void FakeInput::SetCursorPos(Point screen) { impl_->state.cursor = screen; }

void FakeInput::SetKeyState(int vk, bool down) { detail::SetKeyDown(impl_->state, vk, down); }

QuitCatcher::QuitCatcher() : previous_(hooks::quit_hook) {
  hook_ = [this](int code) { code_ = code; };
  hooks::quit_hook = &hook_;
}

QuitCatcher::~QuitCatcher() { hooks::quit_hook = previous_; }

}  // namespace plat::testing
