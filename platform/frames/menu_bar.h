#pragma once
// The menu bar of a frame (MFC's CMFCMenuBar): shows the menu the frame
// displays (its own, or a multiple-document frame's active child's). A
// chosen item posts WM_COMMAND to the frame; a pop-up sends WM_INITMENUPOPUP
// to the frame before it opens, so that the update handlers set its items.
// The frame makes its menu bar when it gets a menu (FrameWnd::SetMenu).
#include <string>

#include "platform/frames/control_bar.h"

class QMenuBar;

namespace plat {

class MenuBar : public ControlBar {
 public:
  MenuBar();
  ~MenuBar() override;

  bool Create(FrameWnd* frame, UINT id = AFX_IDW_MENUBAR_ID);
  static constexpr UINT AFX_IDW_MENUBAR_ID = 59418;

  // Shows the frame's menu again when it changed (or always with `force`);
  // never while a menu is open.
  void Sync(bool force);


 private:
  QMenuBar* bar_ = nullptr;
  std::string shown_;  // the signature of what the bar shows
  const Menu* shown_menu_ = nullptr;
};

}  // namespace plat
