#include "platform/script/script_targets.h"

#include <QApplication>
#include <QWidget>

#include <cstdint>

#include "platform/frames/frame_wnd.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/window/host_widget.h"

namespace plat::script {
namespace {

Window* WindowOf(QWidget* widget) {
  auto* host = dynamic_cast<detail::HostWidget*>(widget);
  return host ? host->window() : nullptr;
}

// Handles are never reused and grow: a larger one names a newer window.
std::uintptr_t Age(Window* window) { return reinterpret_cast<std::uintptr_t>(window->GetSafeHwnd()); }

}  // namespace

FrameWnd* MainFrame() {
  if (WinApp* app = WinApp::Get()) {
    if (FrameWnd* main = app->GetMainWnd()) return main;
  }
  FrameWnd* oldest = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* frame = dynamic_cast<FrameWnd*>(WindowOf(widget));
    if (frame && widget->isVisible() && (!oldest || Age(frame) < Age(oldest))) oldest = frame;
  }
  return oldest;
}

Window* ActiveView() {
  FrameWnd* main = MainFrame();
  if (!main) return nullptr;
  FrameWnd* frame = main->GetActiveFrame();
  if (!frame) frame = main;
  if (View* view = frame->GetActiveView()) return view;
  Window* focus = Window::GetFocus();
  return focus && frame->IsChild(focus) ? focus : nullptr;
}

Dialog* ActiveDialog() {
  if (auto* modal = dynamic_cast<Dialog*>(WindowOf(QApplication::activeModalWidget()))) {
    if (modal->IsWindowVisible()) return modal;
  }
  Dialog* newest = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = dynamic_cast<Dialog*>(WindowOf(widget));
    if (!dialog || !widget->isVisible() || !widget->isEnabled()) continue;
    if (!newest || Age(dialog) > Age(newest)) newest = dialog;
  }
  return newest;
}

Window* ActiveTopLevel() {
  if (Dialog* dialog = ActiveDialog()) return dialog;
  return MainFrame();
}

Window* KeyTarget() {
  if (Window* focus = Window::GetFocus()) return focus;
  return ActiveView();
}

}  // namespace plat::script
