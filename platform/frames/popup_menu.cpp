// Pop-up menus: TrackPopupMenu on the window system's menu, a test's script,
// or nobody (the offscreen platform).
#include <QMenu>

#include "platform/dialogs/nobody_answers.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/menu.h"
#include "platform/frames/popup_menu_hooks.h"
#include "platform/frames/qt_menus.h"

namespace plat {

namespace hooks {
PopupMenuHandler* popup_menu = nullptr;
}  // namespace hooks

namespace {

// The top-level frame of a window (whose route reaches the active view, the
// frame and the application), or the window itself outside a frame.
Window* CommandTargetOf(Window* owner) {
  Window* target = owner;
  for (Window* w = owner; w; w = w->GetParent()) {
    if (dynamic_cast<FrameWnd*>(w)) target = w;
    if (!(w->GetStyle() & WS_CHILD)) break;
  }
  return target;
}

}  // namespace

UINT Menu::TrackPopupMenu(UINT flags, int x, int y, Window* owner) {
  Window* target = CommandTargetOf(owner);
  const HWND target_handle = target ? target->GetSafeHwnd() : nullptr;
  const auto prepare = [target_handle, flags](Menu& popup, int index) {
    if (!(flags & TPM_NONOTIFY) && target_handle) {
      plat::SendMessage(target_handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&popup), MAKELPARAM(index, 0));
    }
  };
  prepare(*this, 0);
  UINT chosen = 0;
  if (hooks::popup_menu && hooks::popup_menu->choose) {
    chosen = hooks::popup_menu->choose(*this, Point{x, y}, owner);
  } else if (detail::HasDisplay()) {
    QMenu widget;
    detail::MenuActions actions;
    actions.command = [&chosen](UINT id) { chosen = id; };
    actions.prepare = prepare;
    detail::FillQMenu(&widget, [this]() -> Menu* { return this; }, actions);
    widget.exec(QPoint(x, y));
  }
  // Nobody can choose under the offscreen platform: the menu closes unchosen.
  if (flags & TPM_RETURNCMD) return chosen;
  if (chosen && target_handle) plat::PostMessage(target_handle, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return chosen ? 1 : 0;
}

}  // namespace plat
