#pragma once
// REVUZAVI opened in process on a position, with its dialogs and its end
// caught, and commands sent to its main frame as the menus send them.
#include <string>

#include "common/position/position.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/main_frame.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"

namespace revuzavi::testing {

struct ViewerInProcess {
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
};

}  // namespace revuzavi::testing
