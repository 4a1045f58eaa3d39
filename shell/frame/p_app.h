#pragma once
// QUENTARIS as an application: the start folder and an optional start file,
// the settings and the position read before the first window, and the
// single-document window of the shell's frame and view.
#include <string>
#include <string_view>

#include "platform/frames/win_app.h"
#include "shell/state/shell_state.h"

namespace quentaris {

class CMainFrame;

inline constexpr const char* kShellTitle = "QUENTARIS 22.54";
inline constexpr const char* kContextMenuName = "Bearbeiten";

class CPApp : public plat::WinApp {
 public:
  CPApp();
  ~CPApp() override;

  // The start file, the start folder, the settings and the position.
  bool InitApplication() override;
  // The context menu, the document template and the shown main window.
  bool InitInstance() override;
  int ExitInstance() override;

  // InitApplication and InitInstance for a command line without the message
  // loop, as a test opens the shell.
  bool Open(std::string_view command_line);

  ShellState& state() { return state_; }
  const std::string& start_folder() const { return start_folder_; }
  bool has_start_file() const { return has_start_file_; }
  CMainFrame* main_frame() const;

 private:
  void DestroyWindows();

  ShellState state_;
  std::string start_folder_;
  bool has_start_file_ = false;
};

// Runs the shell and returns its exit code.
int RunQuentaris(int argc, char** argv);

}  // namespace quentaris
