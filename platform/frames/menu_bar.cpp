#include "platform/frames/menu_bar.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include "platform/frames/frame_wnd.h"
#include "platform/frames/qt_menus.h"

namespace plat {

MenuBar::MenuBar() = default;
MenuBar::~MenuBar() { DestroyWindow(); }

bool MenuBar::Create(FrameWnd* frame, UINT id) {
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);
  bar->setFocusPolicy(Qt::NoFocus);
  if (!CreateBar(frame, id, bar, DockSide::kTop, "Menu Bar")) return false;
  bar_ = bar;
  Sync(true);
  return true;
}

void MenuBar::Sync(bool force) {
  FrameWnd* frame = GetFrame();
  if (!bar_ || !frame || QApplication::activePopupWidget()) return;
  Menu* menu = frame->GetDisplayedMenu();
  const std::string signature = menu ? detail::MenuBarSignature(*menu) : std::string();
  if (!force && menu == shown_menu_ && signature == shown_) return;
  shown_ = signature;
  shown_menu_ = menu;
  const HWND frame_handle = frame->GetSafeHwnd();
  detail::MenuModel model = [frame_handle]() -> Menu* {
    auto* f = dynamic_cast<FrameWnd*>(Window::FromHandle(frame_handle));
    return f ? f->GetDisplayedMenu() : nullptr;
  };
  detail::MenuActions actions;
  actions.command = [frame_handle](UINT id) { plat::PostMessage(frame_handle, WM_COMMAND, MAKEWPARAM(id, 0), 0); };
  actions.prepare = [frame_handle](Menu& popup, int index) {
    plat::SendMessage(frame_handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&popup), MAKELPARAM(index, 0));
  };
  // Once the window system has settled its focus after the pop-up (Escape leaves it on the bar).
  const HWND bar_handle = GetSafeHwnd();
  actions.closed = [bar = bar_, bar_handle] {
    QTimer::singleShot(0, bar, [bar_handle] {
      if (auto* self = dynamic_cast<MenuBar*>(Window::FromHandle(bar_handle))) self->ReturnKeyboard();
    });
  };
  detail::FillQMenuBar(bar_, model, actions);
}


}  // namespace plat
