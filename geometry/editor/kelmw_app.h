#pragma once
// The geometry editor KELMF as an application: its command line, the start-up
// load of the position, the single-document window "Position NAME" and its end
// through Store or End.
#include <memory>
#include <optional>
#include <string_view>

#include "geometry/editor/editor_session.h"
#include "platform/frames/win_app.h"

namespace kelmf {

class CMainFrame;

class CKELMWApp : public plat::WinApp {
 public:
  CKELMWApp();
  ~CKELMWApp() override;

  // Parses the command line and loads the position. False ends the program
  // without a window: StartExitCode() then holds its exit code (-1 for a
  // missing input, 0 after a load that cannot go on).
  bool InitApplication() override;
  // The document template, the main frame with its view, shown.
  bool InitInstance() override;
  // The windows go (while the window system is still there), then the quit code.
  int ExitInstance() override;

  // The exit code of a start that ended before the window, if it did.
  std::optional<int> StartExitCode() const { return start_exit_; }

  // InitApplication and InitInstance for a command line without the message
  // loop, as a test opens the editor; false when the start ended.
  bool Open(std::string_view command_line);

  EditorSession* session() { return session_.get(); }
  CMainFrame* main_frame() const;

 private:
  // The main frame with its view goes before the session they show.
  void DestroyWindows();

  std::unique_ptr<EditorSession> session_;
  std::optional<int> start_exit_;
};

// Runs KELMF for its arguments and returns the exit code.
int RunKelmfWindow(int argc, char** argv);

}  // namespace kelmf
