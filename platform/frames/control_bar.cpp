#include "platform/frames/control_bar.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QObject>
#include <QToolBar>
#include <QWidget>

#include "platform/controls/control.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/view.h"

namespace plat {

namespace {

// Asks WM_SETCURSOR of the bar when the mouse enters any widget of its
// content, as the window system asks it of the window under the mouse, and
// lines the frame's bars up again when the content's size changes.
class ContentWatch final : public QObject {
 public:
  ContentWatch(ControlBar* bar, QWidget* content) : QObject(content), bar_(bar->GetSafeHwnd()), content_(content) {}

  void Watch(QObject* object) {
    object->installEventFilter(this);
    for (QObject* child : object->children()) {
      if (child->isWidgetType()) Watch(child);
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) {
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child && child->isWidgetType()) Watch(child);
    } else if (event->type() == QEvent::LayoutRequest && watched == content_) {
      if (auto* bar = dynamic_cast<ControlBar*>(Window::FromHandle(bar_))) bar->ContentResized();
    } else if (event->type() == QEvent::Enter) {
      if (Window* bar = Window::FromHandle(bar_)) {
        bar->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(bar_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  HWND bar_;
  QWidget* content_;
};

}  // namespace

ControlBar::ControlBar() = default;
ControlBar::~ControlBar() { DestroyWindow(); }

bool ControlBar::CreateBar(FrameWnd* frame, UINT id, QWidget* content, DockSide side, std::string_view title) {
  if (!frame || !frame->GetSafeHwnd() || GetSafeHwnd()) {
    delete content;
    return false;
  }
  frame_ = frame;
  side_ = side;
  if (!Create(title, WS_CHILD | WS_VISIBLE, Rect{0, 0, 100, 24}, frame, id)) {
    delete content;
    frame_ = nullptr;
    return false;
  }
  QWidget* host = detail::WidgetOfWindow(*this);
  content_ = content;
  content_->setParent(host);
  content_->setGeometry(0, 0, host->width(), host->height());
  content_->show();
  auto* watch = new ContentWatch(this, content_);
  watch->Watch(content_);
  frame->AddControlBar(this);
  return true;
}

void ControlBar::ContentResized() {
  if (frame_) frame_->RecalcLayout();
}

int ControlBar::CalcHeight(int) const { return content_ ? content_->sizeHint().height() : 0; }

int ControlBar::CalcWidth(int) const { return content_ ? content_->sizeHint().width() : 0; }

bool ControlBar::IsBarVisible() {
  const QWidget* widget = detail::WidgetOfWindow(*this);
  return widget && !widget->isHidden();
}

void ControlBar::ShowBar(bool show) { ShowWindow(show ? SW_SHOW : SW_HIDE); }

void ControlBar::HostContent(Window* host) {
  if (!content_) return;
  Window* target = host ? host : this;
  QWidget* widget = detail::WidgetOfWindow(*target);
  if (!widget) return;
  host_ = host ? host->GetSafeHwnd() : nullptr;
  Rect client;
  target->GetClientRect(&client);
  content_->setParent(widget);
  content_->setGeometry(0, 0, client.Width(), client.Height());
  content_->show();
}

void ControlBar::UpdateCmdUI(CommandTarget&, bool) {}

void ControlBar::PostCommand(UINT id) {
  if (frame_) frame_->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void ControlBar::ReturnKeyboard() {
  if (!frame_ || QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
  if (QWidget* focus = QApplication::focusWidget()) {
    const bool on_a_bar = qobject_cast<QMenuBar*>(focus) || qobject_cast<QToolBar*>(focus->parentWidget()) ||
                          (content_ && (focus == content_ || content_->isAncestorOf(focus)));
    if (!on_a_bar) return;
  }
  Window* focus = Window::GetFocus();
  if (focus && focus != frame_ && frame_->IsChild(focus) && !dynamic_cast<ControlBar*>(focus)) {
    focus->SetFocus();  // the window system's focus follows it again
  } else if (Window* view = frame_->GetActiveView()) {
    view->SetFocus();
  }
}

void ControlBar::OnSize(UINT, int cx, int cy) {
  if (content_ && !host_) content_->setGeometry(0, 0, cx, cy);
}

void ControlBar::OnDestroy() {
  if (frame_) frame_->RemoveControlBar(this);
  frame_ = nullptr;
  content_ = nullptr;  // goes with the window's widget
  Window::OnDestroy();
}

bool ControlBar::OnEraseBkgnd(Dc& dc) {
  dc.FillRect(dc.GetClipBox(), Brush::Solid(DialogFaceColor()));
  return true;
}

}  // namespace plat
