#pragma once
// ZEVRIL as an application: its command line, the listing loaded at start,
// direct printing with "/p" (then the program ends), else the windows.
#include <memory>
#include <optional>
#include <string_view>

#include "Zelko1/page/zevril_state.h"
#include "common/settings.h"
#include "platform/frames/win_app.h"

namespace zevril {

class CMainFrame;
class CZelko1View;

class CZelko1App : public plat::WinApp {
 public:
  CZelko1App();
  ~CZelko1App() override;

  // The template, the main frame (which reads the page settings), the
  // listing of the command line, then: printed and false with "/p", else
  // its window shown.
  bool InitInstance() override;
  int ExitInstance() override;

  // InitInstance for a command line without the message loop, as a test
  // starts the program; false when the start ended (StartExitCode then set).
  bool Open(std::string_view command_line);
  // The exit code of a start that ended before the message loop.
  std::optional<int> StartExitCode() const { return start_exit_; }

  ZevrilState& state() { return *state_; }
  CMainFrame* main_frame() const;
  // The view of the active document window, or nullptr.
  CZelko1View* active_view() const;

 private:
  // "/p": the document opened and printed without a dialog.
  void PrintDirect(const std::string& file);
  void DestroyWindows();

  std::unique_ptr<ZevrilState> state_;
  common::SettingsContext settings_;
  std::optional<int> start_exit_;
};

// Runs ZEVRIL for its arguments and returns the exit code.
int RunZevril(int argc, char** argv);

}  // namespace zevril
