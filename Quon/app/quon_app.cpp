#include "Quon/app/quon_app.h"

#include <cstdio>
#include <memory>

#include "Quon/app/quon_dlg.h"
#include "Quon/run/notifier.h"
#include "Quon/run/run_analysis.h"
#include "common/settings.h"
#include "platform/application.h"
#include "platform/display_choice.h"
#include "platform/message_box.h"

namespace zedir {
namespace {

// The program that started the run (the shell) learns why it failed.
void TellTheStarter(const RunReport& report) {
  if (!report.ok()) std::fprintf(stderr, "%s\n", report.FailureText().c_str());
}

// Without a window: a message of the run is a message box at once.
class BoxNotifier : public RunNotifier {
 public:
  void Message(const std::string& text, const std::string& caption) override {
    plat::MessageBox(text, caption, plat::MB_OK);
  }
};

}  // namespace

int CQuonApp::InitInstance() {
  CQuonDlg dialog(common::SettingsContext::Discover());
  dialog.DoModal();
  TellTheStarter(dialog.report());
  return dialog.ExitCode();
}

int CQuonApp::RunWithoutWindow() {
  auto run = std::make_unique<Run>();
  BoxNotifier notifier;
  const RunReport report = RunAnalysis(*run, common::SettingsContext::Discover(), notifier);
  if (!report.ok()) plat::MessageBox(report.FailureText(), report.FailureCaption(), plat::MB_OK | plat::MB_ICONERROR);
  TellTheStarter(report);
  return report.ok() ? 0 : -1;
}

int RunZedir(int argc, char** argv) {
  if (!plat::WindowsAreSeen()) {
    plat::UseProgramLocale();
    return CQuonApp().RunWithoutWindow();
  }
  plat::Application app(argc, argv, plat::Attended::kUnattended);  // started by a job, never by a person
  return CQuonApp().InitInstance();
}

}  // namespace zedir
