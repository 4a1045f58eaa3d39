#include "Quon/app/quon_app.h"

#include "Quon/app/quon_dlg.h"
#include "common/settings.h"

namespace zedir {

int CQuonApp::InitInstance() {
  CQuonDlg dialog(common::SettingsContext::Discover());
  dialog.DoModal();
  return dialog.ExitCode();
}

}  // namespace zedir
