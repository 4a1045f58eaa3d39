#include "graphics/app/child_frame.h"

#include <algorithm>
#include <string>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"
#include "common/records/print_scales.h"
#include "common/settings.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/report.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/window/system_metrics.h"

namespace revuzavi {

plat::Size ChildFrameSize(int screen_width, int screen_height, bool narrow) {
  return plat::Size{static_cast<int>(screen_width / (narrow ? 1.8 : 1.2)), static_cast<int>(screen_height / 1.2)};
}

common::Result StoreFontScale(const common::SettingsContext& settings, double scale) {
  const std::string name = common::file_names::kPrintScales;
  common::PrintScales scales = common::ReadPrintScalesFile(common::JoinSettingsPath(settings, name))
                                   .value_or(common::PrintScales::Default());
  scales.set_text_scale(scale);
  const std::string path = common::SettingsWritePath(settings, name);
  return common::WritePrintScalesFile(path, scales) ? common::Result::Ok() : common::CannotWriteSetting(path);
}

CChildFrame::CChildFrame(ViewerSession& session) : session_(session) {
  MapCommand(ids::kFont, [this] { OnFont(); });
}

bool CChildFrame::PreCreateWindow(plat::CREATESTRUCT& create) {
  if (!plat::MDIChildWnd::PreCreateWindow(create)) return false;
  plat::Size size = ChildFrameSize(plat::GetSystemMetrics(plat::SM_CXSCREEN),
                                   plat::GetSystemMetrics(plat::SM_CYSCREEN), session_.narrow_next_frame);
  // Never wider or taller than the main window's client area: a main window
  // smaller than the screen would cut the picture off at its right and bottom.
  if (plat::WinApp* app = plat::WinApp::Get()) {
    if (auto* main = dynamic_cast<plat::MDIFrameWnd*>(app->GetMainWnd()); main && main->GetClient()) {
      plat::Rect area;
      main->GetClient()->GetClientRect(&area);
      if (area.Width() > 0 && area.Height() > 0) {
        size.cx = std::min(size.cx, area.Width());
        size.cy = std::min(size.cy, area.Height());
      }
    }
  }
  session_.narrow_next_frame = false;
  create.rect.right = create.rect.left + size.cx;
  create.rect.bottom = create.rect.top + size.cy;
  return true;
}

// The caption is the title alone (the views set it), without the document's.
void CChildFrame::OnUpdateFrameTitle(bool) {
  if (!GetTitle().empty()) SetWindowText(GetTitle());
}

void CChildFrame::OnFont() {
  CDiaFont dialog(session_.font_scale, this);
  if (dialog.DoModal() != plat::IDOK) return;
  session_.font_scale = static_cast<float>(dialog.size());
  session_.state.print_scales.set_text_scale(dialog.size());
  session_.state.text_scale = session_.font_scale;
  ShowFailure(StoreFontScale(session_.state.settings, dialog.size()));  // the scale holds for this run
  if (plat::View* view = GetActiveView()) view->Invalidate();
}

}  // namespace revuzavi
