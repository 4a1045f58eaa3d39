#include "Zelko1/app/zelko1_app.h"

#include <cstdio>

#include "Zelko1/app/child_frame.h"
#include "Zelko1/app/command_line.h"
#include "Zelko1/app/main_frame.h"
#include "Zelko1/app/open_listing.h"
#include "Zelko1/app/zelko1_doc.h"
#include "Zelko1/app/zelko1_view.h"
#include "Zelko1/app/zevril_ids.h"
#include "Zelko1/app/zevril_menus.h"
#include "common/dialogs/about_dialog.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"
#include "platform/script/script_run.h"

namespace zevril {
namespace {

constexpr int kFailedStart = 1;

}  // namespace

CZelko1App::CZelko1App()
    : plat::WinApp("Zelko1"),
      state_(std::make_unique<ZevrilState>()),
      settings_(common::SettingsContext::Discover()) {
  MapCommand(plat::ID_FILE_NEW, [this] { OnFileNew(); });
  MapCommand(plat::ID_FILE_OPEN, [this] {
    plat::FileDialog dialog = ApplicationOpenDialog(GetMainWnd());
    ChooseListing(*state_, dialog);
  });
  MapCommand(plat::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
  MapCommand(plat::ID_APP_EXIT, [this] { OnAppExit(); });
  MapCommand(plat::ID_APP_ABOUT, [this] { common::AboutDialog("ZEVRIL", {}, GetMainWnd()).DoModal(); });
}

CZelko1App::~CZelko1App() { DestroyWindows(); }

void CZelko1App::DestroyWindows() {
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);
    frame->DestroyWindow();
  }
}

int CZelko1App::ExitInstance() {
  DestroyWindows();
  const int code = plat::WinApp::ExitInstance();
  return start_exit_.value_or(code);
}

CMainFrame* CZelko1App::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

CZelko1View* CZelko1App::active_view() const {
  plat::FrameWnd* frame = GetMainWnd();
  plat::FrameWnd* active = frame ? frame->GetActiveFrame() : nullptr;
  return active ? dynamic_cast<CZelko1View*>(active->GetActiveView()) : nullptr;
}

bool CZelko1App::InitInstance() {
  SetRegistryKey("");
  ZevrilState* state = state_.get();
  AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(
      plat::FrameResources{ids::kDocTemplate, "Zelko1", DocumentMenu(), ZevrilAccelerators()},
      [] { return std::make_unique<CZelko1Doc>(); }, [] { return new CChildFrame; },
      [state] { return new CZelko1View(*state); }));
  auto* frame = new CMainFrame(*state_, settings_);
  frame->auto_delete = true;
  if (!frame->LoadFrame(plat::FrameResources{ids::kMainFrame, "ZEVRIL", MainFrameMenu(), ZevrilAccelerators()})) {
    start_exit_ = kFailedStart;
    return false;
  }
  SetMainWnd(frame);

  const ZevrilCommandLine line = ParseZevrilCommandLine(CommandLine());
  if (line.print) {
    PrintDirect(line.file);
    return false;
  }
  if (!line.file.empty()) {
    const common::Result loaded = LoadListing(*state_, line.file);
    if (!loaded) ShowFailure(loaded);
  }
  if (line.file.empty()) {
    OnFileNew();
  } else if (GetDocTemplate(0)->OpenDocumentFile(line.file) == nullptr) {
    start_exit_ = kFailedStart;
    return false;
  }
  frame->ShowWindow(plat::SW_SHOWMAXIMIZED);
  frame->UpdateWindow();
  if (plat::NobodyPlaysThePerson()) {
    std::fprintf(stderr, "ZEVRIL shows the listing and waits for a person; an unattended run prints with /p\n");
    plat::PostQuitMessage(97);
  }
  return true;
}

void CZelko1App::PrintDirect(const std::string& file) {
  start_exit_ = kFailedStart;
  if (file.empty()) {
    ShowFailure(common::Result::Fail("No file to print follows /p.", "ZEVRIL"));
    return;
  }
  if (const common::Result loaded = LoadListing(*state_, file); !loaded) {
    ShowFailure(loaded);
    return;
  }
  plat::Document* doc = GetDocTemplate(0)->OpenDocumentFile(file, false);
  auto* view = doc && !doc->GetViews().empty() ? dynamic_cast<CZelko1View*>(doc->GetViews().front()) : nullptr;
  if (view == nullptr) return;
  view->OnFilePrintDirect();
  if (!view->print_failed()) start_exit_ = 0;
}

bool CZelko1App::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

int RunZevril(int argc, char** argv) {
  CZelko1App app;
  return app.Run(argc, argv);
}

}  // namespace zevril
