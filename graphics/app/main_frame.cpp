#include "graphics/app/main_frame.h"

#include <vector>

#include "common/dialogs/application_looks.h"
#include "common/dialogs/folder_dialog.h"
#include "common/position/file_names.h"
#include "common/position/position.h"
#include "graphics/app/free_texts.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/report.h"
#include "graphics/app/text_results_view.h"
#include "graphics/app/position_choice.h"
#include "graphics/app/windows_dialog.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/startup/startup_data.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

// The customise button of every tool bar (string 125 is its text).
constexpr plat::UINT kCustomize = 126;

}  // namespace

CMainFrame::CMainFrame(ViewerSession& session) : session_(session) {
  SetStayMaximised(true);
  common::MapApplicationLooks(*this, ids::kLookFirst, ids::kLookLast);
  MapCommand(plat::ID_FILE_NEW, [this] { OnNew(); });
  MapUpdate(plat::ID_FILE_NEW, [this](plat::CmdUI& ui) {
    plat::MDIChildWnd* active = MDIGetActive();
    ui.Enable(active == nullptr || active != PictureFrame());
  });
  MapCommand(plat::ID_FILE_OPEN, [this] { OnLoadPosition(); });
  MapCommand(57634, [this] { MDITile(plat::MDITILE_VERTICAL); });
  MapCommand(57637, [this] { MDICascade(); });
  MapCommand(ids::kCloseAllButPicture, [this] { CloseAllButPicture(); });
  MapCommand(ids::kWindows, [this] { WindowsDialog(*this).DoModal(); });
  MapCommand(ids::kTextDimensions, [this] { OpenTextWindow(&TextWindowMarks::geometry); });
  MapCommand(ids::kTextLoadCases, [this] { OpenTextWindow(&TextWindowMarks::loads); });
  MapCommand(ids::kTextResults, [this] { OpenTextWindow(&TextWindowMarks::results); });
}

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::MDIFrameWnd::OnCreate(create) == -1) return -1;
  common::ApplyStoredLook();
  if (!tool_bar_.Create(this)) return -1;
  tool_bar_.SetWindowText("Standard");
  tool_bar_.SetButtons(MainToolButtons());
  if (!status_bar_.Create(this)) return -1;
  const plat::UINT panes[] = {plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_INDICATOR_CAPS,
                              plat::ID_INDICATOR_NUM};
  if (!status_bar_.SetIndicators(panes)) return -1;
  // Wide enough for the longest wheel and mode texts and a cursor position.
  status_bar_.SetPaneWidth(1, 300);
  status_bar_.SetPaneWidth(2, 340);
  status_bar_.SetPaneWidth(3, 120);
  status_bar_.SetPaneCommand(1, ids::kWheelTarget);  // "... (click to change)"
  EnableToolBarCustomization({&tool_bar_}, kCustomize, "Anpassen...");
  return 0;
}

plat::MDIChildWnd* CMainFrame::PictureFrame() const {
  for (plat::MDIChildWnd* child : GetMDIChildren()) {
    if (dynamic_cast<CGRAPHView*>(child->GetActiveView()) != nullptr) return child;
  }
  return nullptr;
}

plat::MDIChildWnd* CMainFrame::TextFrame() const {
  for (plat::MDIChildWnd* child : GetMDIChildren()) {
    if (dynamic_cast<CD1View*>(child->GetActiveView()) != nullptr) return child;
  }
  return nullptr;
}

void CMainFrame::OpenTextWindow(bool TextWindowMarks::*listing) {
  if (plat::MDIChildWnd* text = TextFrame(); text && session_.text_marks.open) {
    MDIActivate(text);
    return;
  }
  plat::WinApp* app = plat::WinApp::Get();
  for (int i = 0; app && i < app->GetDocTemplateCount(); ++i) {
    plat::DocTemplate* text_template = app->GetDocTemplate(i);
    if (text_template->GetResources().id != ids::kTextTemplate) continue;
    // The window shows the listing asked for now, whatever an earlier one showed.
    session_.text_marks.geometry = session_.text_marks.loads = session_.text_marks.results = false;
    session_.text_marks.*listing = true;
    session_.narrow_next_frame = true;
    text_template->OpenDocumentFile({});
    return;
  }
}

void CMainFrame::OnNew() {
  if (plat::MDIChildWnd* picture = PictureFrame()) MDIActivate(picture);
}

void CMainFrame::CloseAllButPicture() {
  plat::MDIChildWnd* picture = PictureFrame();
  for (plat::MDIChildWnd* child : GetMDIChildren()) {
    if (child != picture) child->PostMessage(plat::WM_CLOSE);
  }
}

void CMainFrame::OnLoadPosition() {
  const std::string& data_path = session_.state.position.data_path();
  const std::string start = data_path.size() > 1 ? data_path.substr(0, data_path.size() - 1) : data_path;
  for (;;) {
    common::FolderDialog dialog(start, "Pfad + Position", this);
    if (dialog.DoModal() != plat::IDOK) return;
    const auto chosen = PositionOfFolder(dialog.GetFolderPath());
    if (!chosen) {
      plat::MessageBox(data_path, "No folder with a position!", plat::MB_OK);
      continue;
    }
    const std::string frame_file =
        common::BuildFileName(common::PositionFolder(chosen->data_path, chosen->ext), common::file_names::kFrameParams,
                              chosen->ext);
    if (!plat::FileExists(frame_file)) {
      plat::MessageBox("No frame. No file " + frame_file, " ", plat::MB_OK);
      continue;
    }
    OpenPosition(chosen->data_path, chosen->ext);
    return;
  }
}

bool CMainFrame::OpenPosition(const std::string& data_path, const std::string& ext) {
  ShowFailure(ResetModifications(session_.state, session_.run, session_.picture, session_.reanalysis_view));
  WritePageNumber(session_.state, LoadCaseScales(session_.state, session_.request));
  CloseAllButPicture();
  FreeTextOperations texts;
  texts.save = [this] { SaveFreeTexts(session_.state, session_.picture.labels); };
  texts.read = [this] { ReadFreeTexts(session_.state, session_.picture.labels); };
  std::vector<common::Result> notes;
  const common::ReadOutcome read = StartupData(session_.state, StartupRequest{data_path, ext, 0}, texts, notes);
  session_.state.saving = false;
  session_.picture.labels.Clear();
  session_.memory.scales_load_case = -1;
  session_.request.scales_read = false;
  if (!read.ok()) {
    plat::MessageBox(read.message().text(), read.message().caption(), plat::MB_OK);
    if (read.ends_program()) plat::PostQuitMessage(read.exit_code());
    return false;
  }
  for (const common::Result& note : notes) plat::MessageBox(note.text(), note.caption(), plat::MB_OK);
  plat::MDIChildWnd* picture = PictureFrame();
  EnablePictureMenu(session_.state, picture);
  if (picture != nullptr) {
    if (plat::View* view = picture->GetActiveView()) {
      view->OnInitialUpdate();
      view->Invalidate();
    }
  }
  return true;
}

void CMainFrame::OpenElementPlot(const ElementPlotChoice& choice) {
  plat::WinApp* app = plat::WinApp::Get();
  plat::DocTemplate* plots = nullptr;
  for (int i = 0; app != nullptr && i < app->GetDocTemplateCount(); ++i) {
    if (app->GetDocTemplate(i)->GetResources().id == ids::kPlotTemplate) plots = app->GetDocTemplate(i);
  }
  const int elements = session_.state.elements.count();
  if (choice.element < 1 || choice.element > elements || choice.function == PlotFunction::kNone) return;
  plat::Document* document = GetActiveDocument();
  if (document == nullptr && PictureFrame() != nullptr) document = PictureFrame()->GetActiveDocument();
  if (plots == nullptr || document == nullptr) return;
  session_.next_plot = choice;
  session_.narrow_next_frame = true;
  plat::FrameWnd* frame = plots->CreateNewFrame(document, nullptr);
  if (frame != nullptr) plots->InitialUpdateFrame(frame, document);
}

plat::LRESULT CMainFrame::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case ids::kNoResults:
      plat::MessageBox(kNoResultsText, "OK", plat::MB_OK);
      return 0;
    case ids::kStatusTexts:
      status_bar_.SetPaneText(1, session_.wheel_status);
      status_bar_.SetPaneText(2, session_.status_text);
      status_bar_.SetPaneText(3, session_.cursor_status);
      return 0;
    case ids::kElementPlot:
      OpenElementPlot(ElementPlotChoice{wParam <= 1000000 ? static_cast<int>(wParam) : 0,
                                        PlotFunctionOfNumber(static_cast<long long>(lParam))});
      return 0;
    case ids::kNothing:
    case plat::WM_USER + 13:
    case plat::WM_USER + 18:
    case plat::WM_USER + 22:
    case plat::WM_USER + 30:
      return 0;
    default:
      return plat::MDIFrameWnd::WindowProc(message, wParam, lParam);
  }
}

}  // namespace revuzavi
