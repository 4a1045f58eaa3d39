#include "graphics/app/graph_view.h"

#include <cstdio>

#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/report.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"

namespace revuzavi {
namespace {

bool ModificationUnderWay(const ReanalysisState& run) {
  return !run.picked_elements.empty() || !run.picked_nodes.empty() || run.step_count > 0 || run.releases.count() > 0;
}

void PostToMainWindow(plat::UINT message) {
  if (plat::WinApp* app = plat::WinApp::Get(); app && app->GetMainWnd()) app->GetMainWnd()->PostMessage(message);
}

}  // namespace

RememberedScales ScalesOf(const PictureScales& s) {
  RememberedScales r;
  const float fields[9] = {s.moment,     s.shear,      s.normal_force, s.fourth,      s.further[0],
                           s.further[1], s.further[2], s.further[3],   s.displacement};
  for (int k = 1; k <= 9; ++k) r.set_field(k, fields[k - 1]);
  return r;
}

CGRAPHView::CGRAPHView(ViewerSession& session) : session_(session) {
  MapCommand(ids::kNextLoadCase, [this] { OnStepLoadCase(kStepForward); });
  MapCommand(ids::kPreviousLoadCase, [this] { OnStepLoadCase(kStepBack); });
  MapCommand(ids::kChooseLoadCase, [this] { OnChooseLoadCase(); });
}

int CGRAPHView::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::View::OnCreate(create) == -1) return -1;
  PictureRequest& r = session_.request;
  r = PictureRequest{};
  r.node_labels = true;
  r.element_labels = true;
  session_.memory.scales_load_case = -1;
  return 0;
}

void CGRAPHView::OnInitialUpdate() {
  plat::View::OnInitialUpdate();
  ShowTitle();
}

void CGRAPHView::ShowTitle() {
  char title[32];
  std::snprintf(title, sizeof title, "LC %i", session_.state.current_load_case);
  if (plat::FrameWnd* frame = GetParentFrame()) {
    frame->SetTitle(title);
    frame->SetWindowText(title);
  }
}

void CGRAPHView::OnDraw(plat::Dc& dc) {
  if (session_.state.saving) return;
  plat::Rect client;
  GetClientRect(&client);
  PictureRequest& r = session_.request;
  r.client_width = client.Width();
  r.client_height = client.Height();
  r.margins = PictureMargins{r.client_width / 20, r.client_height / 20, r.client_width / 10, r.client_height / 10};
  DrawPicture(session_.state, session_.view, session_.picture, session_.memory, r, dc);
}

void CGRAPHView::WriteScales() {
  WriteRememberedScales(session_.state, session_.state.current_load_case, ScalesOf(session_.request.scales));
}

void CGRAPHView::AfterSwitch(bool failed) {
  if (failed) PostToMainWindow(ids::kNoResults);
  session_.picture.labels.Clear();
  session_.request.scales_read = false;
  ShowTitle();
  EnablePictureMenu(session_.state, GetParentFrame());
  Invalidate();
}

void CGRAPHView::ResetModification() {
  if (ModificationUnderWay(session_.run)) {
    ShowFailure(ResetModifications(session_.state, session_.run, session_.picture, session_.reanalysis_view));
  }
}

void CGRAPHView::OnStepLoadCase(int code) {
  ResetModification();
  WriteScales();
  const StepOutcome step = StepLoadCase(session_.state, session_.picture.labels, code);
  AfterSwitch(step.failed);
}

void CGRAPHView::OnChooseLoadCase() {
  ResetModification();
  CDiaLF dialog(session_.state.diary, session_.state.current_load_case, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) return;
  const int lc = dialog.load_case();
  if (!DiaryHolds(session_.state.diary, lc)) return;
  const bool had_results = !session_.state.no_results;
  WriteScales();
  const int switched = SwitchLoadCase(session_.state, session_.picture.labels, lc);
  AfterSwitch(switched == 0 && had_results);
}

void CGRAPHView::OnDestroy() {
  WritePageNumber(session_.state, ScalesOf(session_.request.scales));
  DeleteWorkingCopies(session_.state, session_.run);
  plat::View::OnDestroy();
  plat::PostQuitMessage(0);
}

}  // namespace revuzavi
