#pragma once
// REVUZAVI opened in process on a computed example, with the keys, wheel
// notches and commands a person would give its picture window.
#include <algorithm>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "platform/dc/recording_dc.h"
#include "platform/frames/mdi_frame.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace revuzavi::testing {

struct OpenedViewer {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;

  bool Open(const common::Position& position, int lc) {
    const bool open = app.Open(position.ext() + " @" + position.data_path() + " @" + std::to_string(lc));
    plat::testing::PumpMessages();
    return open;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  void Command(plat::UINT id) {
    frame().SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
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
  std::vector<std::string> Texts() {
    plat::RecordingDc dc;
    view().DrawOn(dc);
    std::vector<std::string> texts;
    for (const plat::DeviceOp& op : dc.ops()) {
      if (!op.text.empty()) texts.push_back(op.text);
    }
    return texts;
  }
  bool Shows(const std::string& piece) {
    const std::vector<std::string> texts = Texts();
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(piece) != std::string::npos; });
  }
  plat::Rect FrameRect(plat::MDIChildWnd* child) {
    plat::Rect r;
    child->GetWindowRect(&r);
    return r;
  }
};

}  // namespace revuzavi::testing
