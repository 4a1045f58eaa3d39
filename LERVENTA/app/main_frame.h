#pragma once
// LERVENTA's main window: the menu bar, a status bar of four panes, no tool bar.
#include "platform/frames/frame_wnd.h"
#include "platform/frames/status_bar.h"

namespace lerventa {

inline constexpr int kStatusPaneCount = 4;

class CMainFrame : public plat::FrameWnd {
 public:
  plat::StatusBar& status_bar() { return status_bar_; }
  bool PreTranslateMessage(plat::MSG* msg) override;

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;

 private:
  plat::StatusBar status_bar_;
};

}  // namespace lerventa
