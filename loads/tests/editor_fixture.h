#pragma once
// The load editor opened in process on an example position whose load cases
// were rebuilt by the real PUNDF ("@G"), with its boxes and dialogs answered
// and WM_QUIT caught.
#include <string>

#include "common/position/position.h"
#include "loads/editor/main_frame.h"
#include "loads/editor/pundw_app.h"
#include "platform/frames/view.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace pundf::testing {

// examples/ECHO_G and ECHO_L of `name` in a position of the test folder, the
// geometry stored (with its inverse) and every load case rebuilt.
common::Position ExampleWithLoadCases(const std::string& name);

// "<ext> @<data path>" and " @<third>" when given.
std::string EditorCommandLine(const common::Position& position, const std::string& third = "");

struct OpenedEditor {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CPUNDWApp app;

  bool Open(const std::string& command_line);
  CMainFrame& frame() { return *app.main_frame(); }
  plat::View& view() { return *frame().GetActiveView(); }
  EditorSession& session() { return *app.session(); }
  // A command as the menu sends it, then the messages it posted.
  void Command(plat::UINT id);
  void Key(int vk, unsigned mods = 0);
  // The window's caption.
  std::string Title() { return frame().GetWindowText(); }
  // The boxes shown so far (since ForgetShown), "caption<TAB>text" a line.
  std::string Boxes() const;
  // What was shown so far no longer counts for Boxes.
  void ForgetShown() { forgotten = dialogs.shown().size(); }
  std::size_t forgotten = 0;
};

std::string ReadAll(const std::string& path);

}  // namespace pundf::testing
