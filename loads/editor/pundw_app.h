#pragma once
// The load editor PUNDF as an application: its command line, the start-up
// load of the position, the single-document window with the load picture and
// its end through End, "OK + End" or the close box.
#include <memory>
#include <optional>
#include <string_view>

#include "loads/editor/editor_session.h"
#include "platform/frames/win_app.h"

namespace pundf {

class CMainFrame;

class CPUNDWApp : public plat::WinApp {
 public:
  CPUNDWApp();
  ~CPUNDWApp() override;

  // Parses the command line and loads the position. False ends the program
  // without a window: StartExitCode() then holds its exit code.
  bool InitApplication() override;
  // The document template, the main frame with its view, shown maximised.
  bool InitInstance() override;
  // The windows go (while the window system is still there), then the quit code.
  int ExitInstance() override;

  std::optional<int> StartExitCode() const { return start_exit_; }

  // InitApplication and InitInstance for a command line without the message
  // loop, as a test opens the editor; false when the start ended.
  bool Open(std::string_view command_line);

  EditorSession* session() { return session_.get(); }
  CMainFrame* main_frame() const;

 private:
  void DestroyWindows();

  std::unique_ptr<EditorSession> session_;
  std::optional<int> start_exit_;
};

// Runs the load editor for its arguments and returns the exit code.
int RunPundfWindow(int argc, char** argv);

// PUNDF: "@G" (and a command line that cannot be used) without a window
// (RunPundf), else the load editor.
int RunPundfProgram(int argc, char** argv);

}  // namespace pundf
