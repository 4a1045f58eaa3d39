#pragma once
// The solver's dialog (template 102): the program's window while the worker
// thread computes the job. It is shown minimised; its edit field 1000 shows
// the status text, progress bar 1013 the entries of the job done and bar 1016
// the columns of settlement systems. The worker's posted end message closes
// it; Stop asks the worker to end after its pass and closes it then. While
// the run waits for the position's lock the dialog is shown.
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "Quon/run/run_analysis.h"
#include "common/settings.h"
#include "platform/dialogs/dialog.h"

namespace zedir {

inline constexpr plat::UINT kQuonDialogTemplate = 102;
inline constexpr plat::UINT kStatusField = 1000;
inline constexpr plat::UINT kJobProgressBar = 1013;         // "Progress1"
inline constexpr plat::UINT kSettlementProgressBar = 1016;  // "Progress2"
inline constexpr plat::UINT kOkButton = 1010;
inline constexpr plat::UINT kSecondStopButton = 1017;

class CQuonDlg : public plat::Dialog {
 public:
  explicit CQuonDlg(common::SettingsContext settings, plat::Window* owner = nullptr);
  // Lets the worker end (it stops after its pass) before the dialog goes.
  ~CQuonDlg() override;

  // After the dialog ended: what the run did.
  const RunReport& report() const { return report_; }
  // 0 after a run without failures (also one stopped by the user), else -1.
  int ExitCode() const { return report_.ok() ? 0 : -1; }

  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  // Starts the worker and shows the dialog minimised.
  bool OnInitDialog() override;
  // Stop (and Escape, and closing the window): the worker ends after its pass.
  void OnCancel() override;
  // The window goes, however it was closed: the worker ends after its pass
  // (its messages would find no one to answer them).
  void OnDestroy() override;

  // The worker's end: its failures in one message box, shown here on the
  // user-interface thread; the dialog ends.
  virtual void OnAnalysisDone();
  virtual void OnStatusText();
  // While the run waits for another program to let the position go, the
  // dialog is shown (not minimised), its status field naming the position;
  // minimised again once the run goes on.
  virtual void OnLockWait(bool waiting);

 private:
  // What the worker hands over while it waits in a sent message, or at its end.
  struct Shared {
    std::mutex mutex;
    std::string status;
    int entry = 0;        // the job entry in work, 1-based
    int entries = 0;      // the entries of the job
    RunReport report;     // the run's report, complete when the end message is posted
  };
  class WorkerNotifier;

  void AnalysisThread(std::stop_token stop, plat::HWND dialog);
  void JoinWorker();

  common::SettingsContext settings_;
  Shared shared_;
  RunReport report_;
  std::jthread worker_;
};

}  // namespace zedir
