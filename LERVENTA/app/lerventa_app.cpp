#include "LERVENTA/app/lerventa_app.h"

#include <cstdio>
#include <memory>

#include "LERVENTA/app/lerventa_doc.h"
#include "LERVENTA/app/lerventa_menu.h"
#include "LERVENTA/app/lerventa_view.h"
#include "LERVENTA/app/main_frame.h"
#include "common/dialogs/about_dialog.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/script/script_run.h"

namespace lerventa {
namespace {

// The document template's resource id and its window title.
constexpr plat::UINT kTemplateId = 128;
constexpr const char* kProgram = "LERVENTA";

// Hands a PDF document to the desktop's viewer; a failure is shown naming it.
bool OpenPdf(const std::string& path) {
  const common::Result opened = plat::OpenDocument(path);
  if (opened.ok()) return true;
  plat::MessageBox("The document " + path + " cannot be opened:\n" + opened.text(), kProgram, plat::MB_ICONERROR);
  return false;
}

}  // namespace

CLerventaApp::CLerventaApp(std::string page_folder)
    : plat::WinApp(kProgram), page_folder_(page_folder.empty() ? plat::ProgramFolder() : std::move(page_folder)) {
  MapCommand(plat::ID_FILE_NEW, [this] { OnFileNew(); });
  MapCommand(plat::ID_FILE_OPEN, [this] { OnFileOpen(); });
  MapCommand(plat::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
  MapCommand(plat::ID_APP_EXIT, [this] { OnAppExit(); });
  MapCommand(plat::ID_APP_ABOUT, [this] {
    common::AboutDialog about(kProgram, {}, GetMainWnd());
    about.DoModal();
  });
}

CLerventaApp::~CLerventaApp() { DestroyWindows(); }

void CLerventaApp::DestroyWindows() {
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);  // the program has ended: the window's going asks no loop to end
    frame->DestroyWindow();
  }
}

int CLerventaApp::ExitInstance() {
  DestroyWindows();
  return plat::WinApp::ExitInstance();
}

bool CLerventaApp::InitApplication() {
  request_ = ResolvePage(CommandLine(), page_folder_);
  switch (request_.kind) {
    case PageRequest::Kind::kMissing:
      plat::MessageBox("The page " + request_.path + " cannot be found.", kProgram, plat::MB_ICONERROR);
      start_exit_ = 1;
      return false;
    case PageRequest::Kind::kPdf:
      start_exit_ = OpenPdf(request_.path) ? 0 : 1;
      return false;
    case PageRequest::Kind::kPage:
    case PageRequest::Kind::kBuiltIn:
      break;
  }
  return plat::WinApp::InitApplication();
}

bool CLerventaApp::InitInstance() {
  AddDocTemplate(std::make_unique<plat::SingleDocTemplate>(
      plat::FrameResources{kTemplateId, kProgram, LerventaMenu(), LerventaAccelerators()},
      [] { return std::make_unique<CLerventaDoc>(); }, [] { return new CMainFrame; },
      [] { return new CLerventaView; }));
  if (request_.kind == PageRequest::Kind::kPage) {
    GetDocTemplate(0)->OpenDocumentFile(request_.path);
  } else {
    OnFileNew();
  }
  if (GetMainWnd() == nullptr) return false;
  if (plat::NobodyPlaysThePerson()) {
    std::fprintf(stderr, "LERVENTA shows its page until a person closes it, and nobody can in an unattended "
                         "run without PLAT_SCRIPT\n");
    plat::PostQuitMessage(plat::kScriptWaitsForPerson);
  }
  return true;
}

void CLerventaApp::OnFileOpen() {
  plat::FileDialog dialog(true, {}, {}, plat::OFN_HIDEREADONLY | plat::OFN_FILEMUSTEXIST,
                          "HTML pages (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*||", GetMainWnd());
  dialog.SetInitialFolder(page_folder_);
  if (dialog.DoModal() != plat::IDOK) return;
  const std::string path = dialog.GetPathName();
  if (IsPdfName(path)) {
    OpenPdf(path);
    return;
  }
  GetDocTemplate(0)->OpenDocumentFile(path);
}

bool CLerventaApp::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

CMainFrame* CLerventaApp::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

CLerventaView* CLerventaApp::view() const {
  const CMainFrame* frame = main_frame();
  return frame ? dynamic_cast<CLerventaView*>(frame->GetActiveView()) : nullptr;
}

int RunLerventa(int argc, char** argv) {
  CLerventaApp app;
  const int code = app.Run(argc, argv);
  return app.StartExitCode().value_or(code);
}

}  // namespace lerventa
