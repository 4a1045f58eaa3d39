#pragma once
// The shell's view in a frame of the test's choice, as the program opens it.
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/testing/window_testing.h"
#include "shell/app/p_view.h"

namespace quentaris::testing {

// Creates `frame` with a CPView on `state`, makes it the main window and
// returns the view; null when the frame cannot be made.
inline CPView* OpenView(plat::FrameWnd& frame, ShellState& state, plat::WinApp& app) {
  plat::CreateContext context;
  context.new_view = [&state] { return new CPView(state); };
  if (!frame.Create("QUENTARIS", plat::WS_OVERLAPPEDWINDOW, plat::Rect{0, 0, 800, 600}, nullptr, plat::Menu(),
                    &context)) {
    return nullptr;
  }
  app.SetMainWnd(&frame);
  frame.InitialUpdateFrame(nullptr, true);
  plat::testing::PumpMessages();
  return dynamic_cast<CPView*>(frame.GetActiveView());
}

}  // namespace quentaris::testing
