#include "Quon/app/quon_app.h"

#include <cstdio>

#include "Quon/app/quon_dlg.h"
#include "common/settings.h"

namespace zedir {

int CQuonApp::InitInstance() {
  CQuonDlg dialog(common::SettingsContext::Discover());
  dialog.DoModal();
  // The program that started the run (the shell) learns why it failed.
  if (!dialog.report().ok()) std::fprintf(stderr, "%s\n", dialog.report().FailureText().c_str());
  return dialog.ExitCode();
}

}  // namespace zedir
