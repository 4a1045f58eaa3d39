// Drop targets and drags: Qt's drag events on a window's widget become the
// calls of its registered DropTarget; DoDragDrop runs Qt's drag.
#include "platform/clipboard/drop_target.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>

#include "platform/clipboard/drag_events.h"
#include "platform/clipboard/qt_drop_effects.h"
#include "platform/window/host_widget.h"
#include "platform/window/qt_input.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

namespace plat {

namespace detail {

DragRunner* drag_runner = nullptr;

namespace {

// OLE's key state: the MK_ flags of mouse messages (the extra buttons left
// out: MK_ALT shares their bit) and MK_ALT.
std::uint32_t KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  const std::uint32_t state = MouseKeyFlags(buttons, mods) & ~(MK_XBUTTON1 | MK_XBUTTON2);
  return (mods & Qt::AltModifier) ? state | MK_ALT : state;
}

// The effect the target's last answer allows, per widget and drag.
struct DragOverState {
  QPointer<HostWidget> widget;
  DROPEFFECT effect = DROPEFFECT_NONE;
};
DragOverState last_answer;

}  // namespace

bool DeliverDragEvent(HostWidget& widget, QEvent* event) {
  Window* window = widget.window();
  DropTarget* target = window ? WindowState::Of(*window)->drop_target : nullptr;
  if (!target) return false;
  const std::shared_ptr<bool> alive = WindowState::Of(*window)->alive;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      const auto data = DataObject::ViewOf(drag->mimeData());
      const std::uint32_t keys = KeyStateOf(drag->buttons(), drag->modifiers());
      const QPoint client = widget.ToClient(drag->position().toPoint());
      const Point point{client.x(), client.y()};
      DROPEFFECT effect = DROPEFFECT_NONE;
      if (event->type() == QEvent::DragEnter) {
        effect = target->OnDragEnter(window, *data, keys, point);
      } else {
        effect = target->OnDragScroll(window, keys, point);
        if (*alive && !(effect & DROPEFFECT_SCROLL)) effect = target->OnDragOver(window, *data, keys, point);
      }
      effect &= EffectsOf(drag->possibleActions());
      last_answer = DragOverState{&widget, effect};
      // The enter is always taken, so that the moves still come: the answer may change.
      if (effect != DROPEFFECT_NONE) {
        drag->setDropAction(ActionOf(effect));
        drag->accept();
      } else if (event->type() == QEvent::DragEnter) {
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::DragLeave:
      if (last_answer.widget == &widget) last_answer = DragOverState{};
      target->OnDragLeave(window);
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const DROPEFFECT effect = last_answer.widget == &widget ? last_answer.effect : DROPEFFECT_NONE;
      last_answer = DragOverState{};
      if (effect == DROPEFFECT_NONE) {
        // A refused drop ends as a leave.
        target->OnDragLeave(window);
        drop->ignore();
        return true;
      }
      const auto data = DataObject::ViewOf(drop->mimeData());
      const QPoint client = widget.ToClient(drop->position().toPoint());
      if (target->OnDrop(window, *data, effect, Point{client.x(), client.y()})) {
        drop->setDropAction(ActionOf(effect));
        drop->accept();
      } else {
        drop->ignore();
      }
      return true;
    }
    default: return false;
  }
}

}  // namespace detail

DropTarget::~DropTarget() { Revoke(); }

bool DropTarget::Register(Window* window) {
  if (!window || !window->GetSafeHwnd()) return false;
  Revoke();
  detail::WindowState* state = detail::WindowState::Of(*window);
  if (state->drop_target && state->drop_target != this) state->drop_target->hwnd_ = nullptr;
  state->drop_target = this;
  if (state->host) state->host->setAcceptDrops(true);
  hwnd_ = window->GetSafeHwnd();
  return true;
}

void DropTarget::Revoke() {
  Window* window = Window::FromHandle(hwnd_);
  hwnd_ = nullptr;
  if (!window) return;
  detail::WindowState* state = detail::WindowState::Of(*window);
  if (state->drop_target != this) return;
  state->drop_target = nullptr;
  if (state->host) state->host->setAcceptDrops(state->accept_files);
}

Window* DropTarget::window() const { return Window::FromHandle(hwnd_); }

DROPEFFECT DropTarget::OnDragEnter(Window*, const DataObject&, std::uint32_t, Point) { return DROPEFFECT_NONE; }
DROPEFFECT DropTarget::OnDragOver(Window*, const DataObject&, std::uint32_t, Point) { return DROPEFFECT_NONE; }
void DropTarget::OnDragLeave(Window*) {}
bool DropTarget::OnDrop(Window*, const DataObject&, DROPEFFECT, Point) { return false; }
DROPEFFECT DropTarget::OnDragScroll(Window*, std::uint32_t, Point) { return DROPEFFECT_NONE; }

DROPEFFECT DataObject::DoDragDrop(DROPEFFECT allowed) const {
  if (detail::drag_runner) return (*detail::drag_runner)(*this, allowed);
  if (detail::OffscreenPlatform()) return DROPEFFECT_NONE;  // nobody to drag: never wait
  QWidget* source = nullptr;
  if (Window* capture = Window::GetCapture()) source = detail::WindowState::Of(*capture)->host;
  if (!source) {
    if (Window* focus = Window::GetFocus()) source = detail::WindowState::Of(*focus)->host;
  }
  if (!source) return DROPEFFECT_NONE;
  auto* drag = new QDrag(source);  // Qt deletes it when the drag ends
  drag->setMimeData(ToMimeData());
  const Qt::DropActions actions = detail::ActionsOf(allowed);
  if (!actions) return DROPEFFECT_NONE;
  const Qt::DropAction preferred = (allowed & DROPEFFECT_MOVE) ? Qt::MoveAction : detail::ActionOf(allowed);
  return detail::EffectOf(drag->exec(actions, preferred)) & allowed;
}

}  // namespace plat
