#pragma once
// The help viewer LERVENTA as an application: its command line names the page
// to show; a missing page or a PDF document ends it before any window.
#include <optional>
#include <string>
#include <string_view>

#include "LERVENTA/app/page_address.h"
#include "platform/frames/win_app.h"

namespace lerventa {

class CMainFrame;
class CLerventaView;

class CLerventaApp : public plat::WinApp {
 public:
  // Relative page names are found in `page_folder` (the program's folder when empty).
  explicit CLerventaApp(std::string page_folder = {});
  ~CLerventaApp() override;

  // Finds the page of the command line. A missing page is reported (exit code
  // 1); a PDF document goes to the desktop's viewer (0, or 1 when it cannot).
  // StartExitCode() then holds the code and no window is made.
  bool InitApplication() override;
  // The document template, the page's document with the frame and view.
  bool InitInstance() override;
  // The windows go while the window system is still there, then the quit code.
  int ExitInstance() override;

  std::optional<int> StartExitCode() const { return start_exit_; }

  // InitApplication and InitInstance for a command line without the message
  // loop, as a test opens the viewer; false when the start ended.
  bool Open(std::string_view command_line);

  CMainFrame* main_frame() const;
  CLerventaView* view() const;

 private:
  // The framework's Open: a page chosen in the file dialog.
  void OnFileOpen();
  void DestroyWindows();

  std::string page_folder_;
  PageRequest request_;
  std::optional<int> start_exit_;
};

// Runs LERVENTA for its arguments and returns the exit code.
int RunLerventa(int argc, char** argv);

}  // namespace lerventa
