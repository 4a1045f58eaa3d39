#include "Quon/app/quon_dlg.h"

#include <exception>
#include <memory>
#include <utility>

#include "Quon/app/run_messages.h"
#include "Quon/run/messages.h"
#include "platform/controls/edit.h"
#include "platform/controls/progress.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"

namespace zedir {

// The worker's side: every notification is sent to the dialog and waits for it.
class CQuonDlg::WorkerNotifier : public RunNotifier {
 public:
  WorkerNotifier(plat::HWND dialog, Shared& shared, const Run& run, std::stop_token stop)
      : dialog_(dialog), shared_(shared), run_(run), stop_(std::move(stop)) {}

  void StatusText(const std::string& text) override {
    {
      std::lock_guard<std::mutex> lock(shared_.mutex);
      shared_.status = text;
      shared_.entry = run_.job.entry_index;
      shared_.entries = run_.job.present ? run_.job.entry_count : 0;
    }
    plat::SendMessage(dialog_, kStatusTextMessage);
  }
  void MatrixFile(bool present) override {
    plat::SendMessage(dialog_, present ? kMatrixPresentMessage : kMatrixMissingMessage);
  }
  void SettlementColumn(int, int) override { plat::SendMessage(dialog_, kSettlementColumnMessage); }
  void LockWait(bool waiting) override { plat::SendMessage(dialog_, kLockWaitMessage, waiting ? 1 : 0); }
  void Message(const std::string& text, const std::string& caption) override {
    if (stop_.stop_requested()) return;  // the dialog is closing: nobody is left to answer
    plat::MessageBox(text, caption, plat::MB_OK);
  }

 private:
  plat::HWND dialog_;
  Shared& shared_;
  const Run& run_;
  std::stop_token stop_;
};

CQuonDlg::CQuonDlg(common::SettingsContext settings, plat::Window* owner)
    : Dialog(kQuonDialogTemplate, "QUENTARIS", owner), settings_(std::move(settings)) {}

CQuonDlg::~CQuonDlg() {
  // Without the window the worker's sent messages return at once, so it can
  // reach its end while this thread waits for it.
  worker_.request_stop();
  DestroyWindow();
  JoinWorker();
}

void CQuonDlg::BuildLayout(plat::DialogLayout& layout) {
  constexpr plat::DWORD kShown = plat::ES_AUTOHSCROLL | plat::ES_READONLY;
  layout.EditBox(kStatusField, kShown, 70);
  auto groups = layout.Row();
  auto betti = groups.Group("Betti's Theorem ");
  for (plat::UINT id : {1004u, 1006u, 1014u, 1015u}) betti.EditBox(id, kShown, 30);
  betti.Progress(kSettlementProgressBar);
  auto green = groups.Group("Analysis with Green's Functions");
  for (plat::UINT id : {1005u, 1007u, 1001u, 1009u, 1002u, 1003u, 1008u}) green.EditBox(id, kShown, 30);
  green.Progress(kJobProgressBar);
  auto buttons = layout.Row();
  buttons.Stretch();
  buttons.DefPushButton("OK", kOkButton);
  buttons.PushButton("Stop", plat::IDCANCEL);
  buttons.PushButton("Stop", kSecondStopButton);
}

bool CQuonDlg::OnInitDialog() {
  const plat::HWND self = GetSafeHwnd();
  try {
    worker_ = std::jthread([this, self](std::stop_token stop) { AnalysisThread(std::move(stop), self); });
  } catch (const std::exception& e) {
    shared_.report.failures.push_back(
        common::Result::Fail(std::string("The computation could not be started: ") + e.what(), kFailureCaption));
    PostMessage(kAnalysisDoneMessage);
  }
  ShowWindow(plat::SW_MINIMIZE);
  return true;
}

void CQuonDlg::AnalysisThread(std::stop_token stop, plat::HWND dialog) {
  RunReport report;
  try {
    auto run = std::make_unique<Run>();
    WorkerNotifier notifier(dialog, shared_, *run, stop);
    report = RunAnalysis(*run, settings_, notifier, stop);
  } catch (const std::exception& e) {
    // Nothing may leave the thread: the failure goes to the dialog like any other.
    report.failures.push_back(
        common::Result::Fail(std::string("The computation stopped: ") + e.what(), kFailureCaption));
  }
  {
    std::lock_guard<std::mutex> lock(shared_.mutex);
    shared_.report = std::move(report);
  }
  plat::PostMessage(dialog, kAnalysisDoneMessage);
}

void CQuonDlg::JoinWorker() {
  if (worker_.joinable()) worker_.join();
}

plat::LRESULT CQuonDlg::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case kAnalysisDoneMessage:
      OnAnalysisDone();
      return 0;
    case kStatusTextMessage:
      OnStatusText();
      return 0;
    case kLockWaitMessage:
      OnLockWait(wParam != 0);
      return 0;
    case kSettlementColumnMessage:
      if (auto* bar = dynamic_cast<plat::ProgressCtrl*>(GetDlgItem(kSettlementProgressBar))) bar->StepIt();
      return 0;
    case kIdleMessage:
      return 0;
    case kRepaintMessage:
      Invalidate();
      UpdateWindow();
      return 0;
    default:
      return Dialog::WindowProc(message, wParam, lParam);
  }
}

void CQuonDlg::OnStatusText() {
  std::string status;
  int entry = 0, entries = 0;
  {
    std::lock_guard<std::mutex> lock(shared_.mutex);
    status = shared_.status;
    entry = shared_.entry;
    entries = shared_.entries;
  }
  SetDlgItemText(kStatusField, status);
  if (auto* bar = dynamic_cast<plat::ProgressCtrl*>(GetDlgItem(kJobProgressBar)); bar && entries > 0) {
    bar->SetRange(0, entries);
    bar->SetPos(entry);
  }
}

void CQuonDlg::OnLockWait(bool waiting) {
  // Minimised, the dialog would wait without a word: while it waits it stands open with its text.
  if (IsWindowVisible() || IsIconic()) ShowWindow(waiting ? plat::SW_RESTORE : plat::SW_MINIMIZE);
}

void CQuonDlg::OnAnalysisDone() {
  JoinWorker();  // its last act was the post that brought us here
  {
    std::lock_guard<std::mutex> lock(shared_.mutex);
    report_ = shared_.report;
  }
  if (!report_.ok()) {
    plat::MessageBox(report_.FailureText(), report_.FailureCaption(), plat::MB_OK | plat::MB_ICONERROR);
  }
  EndDialog(plat::IDCANCEL);
}

void CQuonDlg::OnDestroy() {
  worker_.request_stop();
  Dialog::OnDestroy();
}

void CQuonDlg::OnCancel() {
  if (!worker_.joinable()) {
    Dialog::OnCancel();
    return;
  }
  // The worker may be waiting in a sent message right now: this thread goes on
  // handling messages until the worker's end message closes the dialog.
  worker_.request_stop();
  ShowWindow(plat::SW_HIDE);
}

}  // namespace zedir
