#include "platform/testing/drag_testing.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "platform/clipboard/drag_events.h"
#include "platform/clipboard/qt_drop_effects.h"
#include "platform/hooks.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/host_widget.h"
#include "platform/window/window_state.h"

namespace plat::testing {

DROPEFFECT ScriptedDrag(const DataObject& data, DROPEFFECT allowed, const std::vector<DragStep>& steps, bool drop) {
  const std::unique_ptr<QMimeData> mime(data.ToMimeData());
  const Qt::DropActions actions = detail::ActionsOf(allowed);

  QWidget* over = nullptr;  // the widget that took the drag's enter
  bool accepted = false;    // its answer to the last move
  QPoint at;
  Qt::KeyboardModifiers mods;
  for (const DragStep& step : steps) {
    detail::HostWidget* widget = step.window ? detail::WindowState::Of(*step.window)->host : nullptr;
    if (!widget) continue;
    at = widget->ToWidget(QPoint(step.point.x, step.point.y));
    mods = QtModifiers(step.mods);
    if (widget != over) {
      if (over) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(over, &leave);
      }
      over = nullptr;
      accepted = false;
      QDragEnterEvent enter(at, actions, mime.get(), Qt::LeftButton, mods);
      QApplication::sendEvent(widget, &enter);
      if (!enter.isAccepted()) continue;  // refused whole: no moves follow
      over = widget;
    }
    QDragMoveEvent move(at, actions, mime.get(), Qt::LeftButton, mods);
    QApplication::sendEvent(widget, &move);
    accepted = move.isAccepted() && move.dropAction() != Qt::IgnoreAction;
  }
  if (!over) return DROPEFFECT_NONE;
  if (!drop || !accepted) {
    QDragLeaveEvent leave;
    QApplication::sendEvent(over, &leave);
    return DROPEFFECT_NONE;
  }
  QDropEvent dropped(QPointF(at), actions, mime.get(), Qt::NoButton, mods);
  QApplication::sendEvent(over, &dropped);
  return dropped.isAccepted() ? detail::EffectOf(dropped.dropAction()) & allowed : DROPEFFECT_NONE;
}

struct DragScript::Impl {
  std::vector<DragStep> steps;
  bool drop = true;
  detail::DragRunner runner;
  detail::DragRunner* previous = nullptr;
};

DragScript::DragScript(std::vector<DragStep> steps, bool drop) : impl_(std::make_unique<Impl>()) {
  impl_->steps = std::move(steps);
  impl_->drop = drop;
  impl_->runner = [this](const DataObject& data, DROPEFFECT allowed) {
    ++runs_;
    return ScriptedDrag(data, allowed, impl_->steps, impl_->drop);
  };
  impl_->previous = detail::drag_runner;
  detail::drag_runner = &impl_->runner;
}

DragScript::~DragScript() { detail::drag_runner = impl_->previous; }

FailingTextReads::FailingTextReads(int count) { hooks::failing_text_reads = count; }
FailingTextReads::~FailingTextReads() { hooks::failing_text_reads = 0; }
int FailingTextReads::left() const { return hooks::failing_text_reads.load(); }

}  // namespace plat::testing
