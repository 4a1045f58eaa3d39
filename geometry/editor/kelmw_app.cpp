#include "geometry/editor/kelmw_app.h"

#include <cstdio>

#include "common/dialogs/about_dialog.h"
#include "geometry/app/command_line.h"
#include "geometry/app/show_messages.h"
#include "geometry/editor/drawing_cursor.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/editor_menus.h"
#include "geometry/editor/kelmw_doc.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/main_frame.h"
#include "geometry/tables/kelmf_grid_host.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"
#include "platform/script/script_run.h"

namespace kelmf {
namespace {

// The document template's resource id.
constexpr plat::UINT kTemplateId = 128;

// Suffix and data path longer than the fields that held them.
constexpr std::size_t kMaxPart = 240;

}  // namespace

CKELMWApp::CKELMWApp() : plat::WinApp(kApplicationTitle) {
  MapCommand(plat::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
  MapCommand(ids::kAbout, [this] {
    common::AboutDialog about("KELMF", {}, GetMainWnd());
    about.DoModal();
  });
}

CKELMWApp::~CKELMWApp() { DestroyWindows(); }

void CKELMWApp::DestroyWindows() {
  // The program has ended: the windows' going asks no message loop to end.
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);
    frame->DestroyWindow();
  }
}

int CKELMWApp::ExitInstance() {
  DestroyWindows();
  return plat::WinApp::ExitInstance();
}

bool CKELMWApp::InitApplication() {
  const auto line = ParseCommandLine(CommandLine());
  if (!line || line->ext.empty() || line->data_path.empty() || line->ext.size() > kMaxPart ||
      line->data_path.size() > kMaxPart) {
    plat::MessageBox(kMissingInputText, kMissingInputCaption, plat::MB_OK);
    start_exit_ = -1;
    return false;
  }
  session_ = std::make_unique<EditorSession>(common::Position(line->data_path, line->ext),
                                             common::SettingsContext::Discover());
  // The shell's "@G" (line->rebuild) needs nothing beyond the start-up load:
  // an echo text is read at every start, and the files change only when it
  // gives other ones.
  const LoadReport load = LoadEditorPosition(*session_);
  ShowMessages(load.messages);
  if (load.ends_program) {
    start_exit_ = 0;
    return false;
  }
  return plat::WinApp::InitApplication();
}

bool CKELMWApp::InitInstance() {
  MakeDrawingCursor();
  SetRegistryKey("");
  AddContextMenu(kEditContextMenuName, EditContextMenu());
  EditorSession* session = session_.get();
  AddDocTemplate(std::make_unique<plat::SingleDocTemplate>(
      plat::FrameResources{kTemplateId, "Dimensions", EditorMenu(), EditorAccelerators()},
      [session] { return std::make_unique<CKELMWDoc>(*session); }, [] { return new CMainFrame; },
      [] { return new CKELMWView; }));
  OnFileNew();
  plat::FrameWnd* frame = GetMainWnd();
  if (frame == nullptr) return false;
  frame->SetTitle("Position " + session->position.name());
  frame->OnUpdateFrameTitle(false);
  // Started so by the shell, which waits meanwhile: the window says what for,
  // in words short enough for the status bar of a window 800 pixels wide.
  if (const auto line = ParseCommandLine(CommandLine()); line && line->rebuild) {
    session->view.status_text = "Rebuilt: the shell waits for Store.";
    frame->PostMessage(ids::kStatusText);
  }
  frame->ShowWindow(plat::SW_SHOWMAXIMIZED);
  frame->UpdateWindow();
  if (plat::NobodyPlaysThePerson()) {
    std::fprintf(stderr, "KELMF waits for Store or End, and nobody can choose them in an unattended run "
                         "without PLAT_SCRIPT\n");
    plat::PostQuitMessage(97);
  }
  return true;
}

bool CKELMWApp::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

CMainFrame* CKELMWApp::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

int RunKelmfWindow(int argc, char** argv) {
  CKELMWApp app;
  const int code = app.Run(argc, argv);
  return app.StartExitCode().value_or(code);
}

}  // namespace kelmf
