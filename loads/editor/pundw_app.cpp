#include "loads/editor/pundw_app.h"

#include <cstdio>
#include <cstdlib>

#include "common/dialogs/about_dialog.h"
#include "common/dialogs/manual.h"
#include "loads/app/command_line.h"
#include "loads/app/pundf_app.h"
#include "loads/editor/editor_ids.h"
#include "loads/editor/editor_menus.h"
#include "loads/editor/load_case_commands.h"
#include "loads/editor/main_frame.h"
#include "loads/editor/pick_cursor.h"
#include "loads/editor/pundw_doc.h"
#include "loads/editor/pundw_view.h"
#include "loads/manage/load_position_data.h"
#include "platform/application.h"
#include "platform/display_choice.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"

namespace pundf {
namespace {

// Boxes go to the PLAT_MESSAGES file and no script plays the person: nobody
// can ever choose End.
bool NobodyCanEnd() {
  const char* script = std::getenv("PLAT_SCRIPT");
  return plat::MessagesUnattended() && (script == nullptr || *script == '\0');
}

// The suite's manual, in the program's folder.
constexpr const char* kManualDocument = "QUENTARIS.PDF";

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

}  // namespace

CPUNDWApp::CPUNDWApp() : plat::WinApp("PUNDW") {
  MapCommand(ids::kAbout, [this] {
    common::AboutDialog about("PUNDF", {}, GetMainWnd());
    about.DoModal();
  });
  MapCommand(ids::kManual, [] { common::OpenManual(kManualDocument); });
}

CPUNDWApp::~CPUNDWApp() { DestroyWindows(); }

void CPUNDWApp::DestroyWindows() {
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);
    frame->DestroyWindow();
  }
}

int CPUNDWApp::ExitInstance() {
  DestroyWindows();
  return plat::WinApp::ExitInstance();
}

bool CPUNDWApp::InitApplication() {
  const auto line = ParseCommandLine(CommandLine());
  if (!line) {
    plat::MessageBox(kMissingInputText, kMissingInputCaption, plat::MB_OK);
    start_exit_ = -1;
    return false;
  }
  session_ = std::make_unique<EditorSession>();
  const ReadOutcome start =
      LoadPositionData(session_->model, StartRequest{line->data_path, line->ext, line->load_case, line->rebuild});
  if (!start.ok()) {
    Show(start.message());
    if (start.ends_program()) {
      start_exit_ = start.exit_code();
      return false;
    }
  }
  session_->rebuild = line->rebuild;
  session_->settings = ReadLoadEditorSettings(session_->model.settings);
  session_->title = LoadCaseTitle(*session_);
  return plat::WinApp::InitApplication();
}

bool CPUNDWApp::InitInstance() {
  MakePickCursor();
  SetRegistryKey("");
  EditorSession* session = session_.get();
  AddDocTemplate(std::make_unique<plat::SingleDocTemplate>(
      plat::FrameResources{ids::kToolBar, "PUNDW", EditorMenu(), EditorAccelerators()},
      [session] { return std::make_unique<CPUNDWDoc>(*session); }, [] { return new CMainFrame; },
      [] { return new CPUNDWView; }));
  OnFileNew();
  plat::FrameWnd* frame = GetMainWnd();
  if (frame == nullptr) return false;
  frame->SetTitle(session->title);
  frame->OnUpdateFrameTitle(false);
  frame->ShowWindow(plat::SW_SHOWMAXIMIZED);
  frame->UpdateWindow();
  if (NobodyCanEnd()) {
    std::fprintf(stderr, "PUNDF waits for End, and nobody can choose it in an unattended run without PLAT_SCRIPT\n");
    plat::PostQuitMessage(97);
  }
  return true;
}

bool CPUNDWApp::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

CMainFrame* CPUNDWApp::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

int RunPundfWindow(int argc, char** argv) {
  CPUNDWApp app;
  const int code = app.Run(argc, argv);
  return app.StartExitCode().value_or(code);
}

int RunPundfProgram(int argc, char** argv) {
  const std::string command_line = plat::CommandLineText(argc, argv);
  const auto line = ParseCommandLine(command_line);
  if (line && !line->rebuild) return RunPundfWindow(argc, argv);
  // "@G" and a missing input show nothing but message boxes: when they go to
  // the PLAT_MESSAGES file, or for "@G" where no window would be seen, the
  // window system is not started, and the locale is the one it would set.
  const bool rebuild = line && line->rebuild;
  std::optional<plat::Application> app;
  if (plat::MessagesUnattended() || (rebuild && !plat::WindowsAreSeen())) {
    plat::UseProgramLocale();
  } else {
    app.emplace(argc, argv, rebuild ? plat::Attended::kUnattended : plat::Attended::kPerson);
  }
  return RunPundf(command_line);
}

}  // namespace pundf
