#include "graphics/app/graph_app.h"

#include <cstdio>
#include <vector>

#include "common/dialogs/about_dialog.h"
#include "graphics/app/child_frame.h"
#include "graphics/app/free_texts.h"
#include "graphics/app/func_view.h"
#include "graphics/app/graph_command_line.h"
#include "graphics/app/graph_doc.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/text_results_view.h"
#include "graphics/startup/startup_data.h"
#include "platform/frames/doc_template.h"
#include "platform/message_box.h"
#include "platform/script/script_run.h"

namespace revuzavi {
namespace {

// The shared drawing objects of the pictures.
void MakeDrawingObjects(ViewState& view) {
  view.default_pen = plat::Pen{plat::PS_GEOMETRIC | plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)};
  view.positive_brush = plat::Brush::Solid(plat::Rgb(200, 200, 250));
  view.negative_brush = plat::Brush::Solid(plat::Rgb(250, 200, 200));
}

}  // namespace

CGRAPHApp::CGRAPHApp() : plat::WinApp("REVUZAVI"), session_(std::make_unique<ViewerSession>()) {
  MapCommand(plat::ID_APP_ABOUT, [this] { common::AboutDialog("REVUZAVI", {}, GetMainWnd()).DoModal(); });
  MapCommand(plat::ID_FILE_PRINT_SETUP, [this] {
    session_->printer_setup_chosen = true;
    OnFilePrintSetup();
  });
  MapCommand(plat::ID_APP_EXIT, [this] { OnAppExit(); });
}

CGRAPHApp::~CGRAPHApp() { DestroyWindows(); }

void CGRAPHApp::DestroyWindows() {
  if (plat::FrameWnd* frame = GetMainWnd()) {
    SetMainWnd(nullptr);
    frame->DestroyWindow();
  }
}

bool CGRAPHApp::InitApplication() {
  const auto line = ParseGraphCommandLine(CommandLine());
  if (!line) {
    plat::MessageBox(kMissingInputText, kMissingInputCaption, plat::MB_OK);
    start_exit_ = 255;
    return false;
  }
  MakeDrawingObjects(session_->view);
  FreeTextOperations texts;
  texts.read = [this] { ReadFreeTexts(session_->state, session_->picture.labels); };
  std::vector<common::Result> notes;
  const common::ReadOutcome read =
      StartupData(session_->state, StartupRequest{line->data_path, line->ext, line->start_load_case}, texts, notes);
  if (!read.ok()) {
    plat::MessageBox(read.message().text(), read.message().caption(), plat::MB_OK);
    start_exit_ = read.exit_code();
    return false;
  }
  for (const common::Result& note : notes) plat::MessageBox(note.text(), note.caption(), plat::MB_OK);
  session_->font_scale = static_cast<float>(session_->state.print_scales.text_scale());
  return plat::WinApp::InitApplication();
}

bool CGRAPHApp::InitInstance() {
  SetRegistryKey("");
  ViewerSession* session = session_.get();
  AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(
      plat::FrameResources{ids::kPictureTemplate, "REVUZAVI", PictureMenu(), MainAccelerators()},
      [] { return std::make_unique<CGRAPHDoc>(); }, [session] { return new CChildFrame(*session); },
      [session] { return new CGRAPHView(*session); }));
  AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(
      plat::FrameResources{ids::kTextTemplate, "REVUZAVI", TextMenu(), MainAccelerators()},
      [] { return std::make_unique<CGRAPHDoc>(); }, [session] { return new CChildFrame(*session); },
      [session] { return new CD1View(*session); }));
  AddDocTemplate(std::make_unique<plat::MultiDocTemplate>(
      plat::FrameResources{ids::kPlotTemplate, "REVUZAVI", PlotMenu(), MainAccelerators()},
      [] { return std::make_unique<CGRAPHDoc>(); }, [session] { return new CChildFrame(*session); },
      [session] { return new CFuncView(*session); }));
  auto* frame = new CMainFrame(*session_);
  frame->auto_delete = true;
  if (!frame->LoadFrame(plat::FrameResources{ids::kMainFrame, "REVUZAVI", MainMenu(), MainAccelerators()})) {
    start_exit_ = 1;
    return false;
  }
  SetMainWnd(frame);
  frame->ShowWindow(plat::SW_SHOWMAXIMIZED);
  frame->UpdateWindow();
  OnFileNew();
  EnablePictureMenu(session_->state, frame->PictureFrame());
  if (plat::NobodyPlaysThePerson()) {
    std::fprintf(stderr, "REVUZAVI shows the picture and waits for a person; nobody plays one in this run\n");
    plat::PostQuitMessage(97);
  }
  return true;
}

int CGRAPHApp::ExitInstance() {
  if (!texts_saved_ && session_->state.position_open) {
    SaveFreeTexts(session_->state, session_->picture.labels);
    texts_saved_ = true;
  }
  DestroyWindows();
  const int code = plat::WinApp::ExitInstance();
  return start_exit_.value_or(code);
}

bool CGRAPHApp::Open(std::string_view command_line) {
  SetCommandLine(command_line);
  return InitApplication() && InitInstance();
}

CMainFrame* CGRAPHApp::main_frame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

CGRAPHView* CGRAPHApp::picture_view() const {
  CMainFrame* frame = main_frame();
  plat::MDIChildWnd* picture = frame ? frame->PictureFrame() : nullptr;
  return picture ? dynamic_cast<CGRAPHView*>(picture->GetActiveView()) : nullptr;
}

int RunRevuzavi(int argc, char** argv) {
  CGRAPHApp app;
  const int code = app.Run(argc, argv);
  return app.StartExitCode().value_or(code);
}

}  // namespace revuzavi
