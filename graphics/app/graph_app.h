#pragma once
// REVUZAVI as an application: the command line, the shared pens and brushes,
// the start-up data of the position, the picture template and the main
// window, and the end with the free texts saved.
#include <memory>
#include <optional>
#include <string_view>

#include "graphics/app/viewer_session.h"
#include "platform/frames/win_app.h"

namespace revuzavi {

class CMainFrame;
class CGRAPHView;

class CGRAPHApp : public plat::WinApp {
 public:
  CGRAPHApp();
  ~CGRAPHApp() override;

  // The command line and the start-up data; false ends the program without
  // a window (StartExitCode then holds its code).
  bool InitApplication() override;
  // The picture template, the main frame and the first picture window.
  bool InitInstance() override;
  // The free texts of the load case shown are saved, the windows go.
  int ExitInstance() override;

  // InitApplication and InitInstance without the message loop, as a test starts it.
  bool Open(std::string_view command_line);
  std::optional<int> StartExitCode() const { return start_exit_; }

  ViewerSession& session() { return *session_; }
  CMainFrame* main_frame() const;
  CGRAPHView* picture_view() const;

 private:
  void DestroyWindows();

  std::unique_ptr<ViewerSession> session_;
  std::optional<int> start_exit_;
  bool texts_saved_ = false;
};

// Runs REVUZAVI for its arguments and returns the exit code.
int RunRevuzavi(int argc, char** argv);

}  // namespace revuzavi
