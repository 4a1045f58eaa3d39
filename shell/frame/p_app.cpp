#include "shell/frame/p_app.h"

#include <filesystem>
#include <system_error>

#include "common/dialogs/about_dialog.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"
#include "shell/app/p_doc.h"
#include "shell/app/p_view.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/frame/main_frame.h"
#include "shell/settings/read_settings.h"

namespace quentaris {

CPApp::CPApp() : plat::WinApp("QUENTARIS") {
  MapCommand(plat::ID_APP_EXIT, [this] { OnAppExit(); });
  MapCommand(plat::ID_APP_ABOUT, [this] {
    common::AboutDialog about("QUENTARIS", ReadVersionLine(kVersionLineChars), GetMainWnd());
    about.DoModal();
  });
}

CPApp::~CPApp() { DestroyWindows(); }

void CPApp::DestroyWindows() {
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);
    frame->DestroyWindow();
  }
}

int CPApp::ExitInstance() {
  DestroyWindows();
  return plat::WinApp::ExitInstance();
}

bool CPApp::InitApplication() {
  has_start_file_ = !CommandLine().empty();
  if (has_start_file_) state_.start_file = CommandLine();
  std::error_code ec;
  start_folder_ = std::filesystem::current_path(ec).string();
  if (start_folder_.empty() || start_folder_.back() != '/') start_folder_ += '/';
  ReadSettings(state_);
  if (const common::Result folder = SettingsFolderProblem(state_); !folder) {
    plat::MessageBox(folder.text(), folder.caption(), plat::MB_OK | plat::MB_ICONWARNING);
  }
  const common::Result loaded = LoadPosition(state_);
  if (!loaded) plat::MessageBox(loaded.text(), loaded.caption(), plat::MB_OK);
  return plat::WinApp::InitApplication();
}

bool CPApp::InitInstance() {
  SetRegistryKey("");
  plat::Menu edit = plat::Menu::Popup();
  edit.AppendMenu(plat::MF_STRING, plat::ID_EDIT_CUT, "Cu&t");
  edit.AppendMenu(plat::MF_STRING, plat::ID_EDIT_COPY, "&Copy");
  AddContextMenu(kContextMenuName, std::move(edit));
  ShellState* state = &state_;
  const std::string start_folder = start_folder_;
  AddDocTemplate(std::make_unique<plat::SingleDocTemplate>(
      plat::FrameResources{128, kShellTitle, {}, ShellAccelerators()}, [] { return std::make_unique<CPDoc>(); },
      [state, start_folder] { return new CMainFrame(*state, start_folder); },
      [state] { return new CPView(*state); }));
  OnFileNew();
  plat::FrameWnd* frame = GetMainWnd();
  if (frame == nullptr) return false;
  frame->SetTitle(kShellTitle);
  frame->OnUpdateFrameTitle(false);
  frame->ShowWindow(plat::SW_SHOW);
  frame->UpdateWindow();
  if (has_start_file_) frame->PostMessage(kEchoDroppedMessage, 1);
  return true;
}

bool CPApp::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

CMainFrame* CPApp::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

int RunQuentaris(int argc, char** argv) {
  CPApp app;
  return app.Run(argc, argv);
}

}  // namespace quentaris
