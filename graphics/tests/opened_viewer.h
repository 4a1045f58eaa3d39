#pragma once
// REVUZAVI opened in process on a computed example, with the keys, wheel
// notches and commands a person would give its picture window.
#include <string>
#include <vector>

#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/tests/picture_texts.h"
#include "graphics/tests/viewer_in_process.h"
#include "platform/frames/mdi_frame.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace revuzavi::testing {

struct OpenedViewer : ViewerInProcess {
  bool Greyed(int position) {
    plat::Menu* menu = frame().PictureFrame()->GetSharedMenu();
    return (menu->GetMenuState(static_cast<plat::UINT>(position), plat::MF_BYPOSITION) & plat::MF_GRAYED) != 0;
  }
  CGRAPHView& view() { return *dynamic_cast<CGRAPHView*>(frame().PictureFrame()->GetActiveView()); }
  void Key(int vk, unsigned mods = 0) {
    plat::testing::PressKey(view(), vk, mods);
    plat::testing::PumpMessages();
  }
  void Wheel(int delta, unsigned mods = 0) {
    plat::testing::Wheel(view(), delta, mods);
    plat::testing::PumpMessages();
  }
  // The texts of the picture as the screen shows it.
  std::vector<std::string> Texts() { return PictureTexts(view()); }
  bool Shows(const std::string& piece) { return PictureShows(view(), piece); }
  plat::Rect FrameRect(plat::MDIChildWnd* child) {
    plat::Rect r;
    child->GetWindowRect(&r);
    return r;
  }
};

}  // namespace revuzavi::testing
