#include "loads/editor/main_frame.h"

#include <cstdint>
#include <cstdio>

#include "common/dialogs/application_looks.h"
#include "common/settings.h"
#include "common/settings_files.h"
#include "loads/editor/editor_ids.h"
#include "loads/editor/editor_menus.h"
#include "loads/editor/pundw_doc.h"
#include "loads/editor/save_sequence.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"
#include "platform/window/handle_number.h"
#include "platform/window/input_state.h"

namespace pundf {
namespace {

// The pick cursor shows this far below the top of the client area.
constexpr int kPickCursorTop = 50;

}  // namespace

CMainFrame::CMainFrame() {
  SetStayMaximised(true);
  common::MapApplicationLooks(*this, ids::kFirstLook, ids::kLastLook);
  // The load commands show what the load case holds.
  MapUpdate(ids::kGravity, [this](plat::CmdUI& ui) { ui.SetCheck(Params() && Params()->gravity_flag() ? 1 : 0); });
  MapUpdate(ids::kFloorLoad, [this](plat::CmdUI& ui) {
    const common::LoadCaseParams* p = Params();
    const bool generated = p && (p->generated_flag() || p->editor_flag_338() || p->editor_flag_339());
    ui.SetCheck(generated && !p->gravity_flag() ? 1 : 0);
  });
  MapUpdate(ids::kTemperature,
            [this](plat::CmdUI& ui) { ui.SetCheck(Params() && Params()->temperature_flag() ? 1 : 0); });
  MapCommand(ids::kFrameSwitch, [this] {
    if (EditorSession* s = Session()) s->display.frame_switch = !s->display.frame_switch;
  });
  MapUpdate(ids::kFrameSwitch, [this](plat::CmdUI& ui) {
    const EditorSession* s = Session();
    ui.SetCheck(s && s->display.frame_switch ? 1 : 0);
  });
}

EditorSession* CMainFrame::Session() {
  auto* doc = dynamic_cast<CPUNDWDoc*>(GetActiveDocument());
  return doc ? &doc->session() : nullptr;
}

const common::LoadCaseParams* CMainFrame::Params() {
  const EditorSession* s = Session();
  return s ? &s->model.load_case.params : nullptr;
}

void CMainFrame::WriteHandleFile() {
  // Nobody reads it back, but a file that cannot be made is named, and it is
  // never made outside the settings folder.
  const std::string path = common::SettingsWritePath(common::SettingsContext::Discover(), "HANDLEPUNDWPLATTE");
  if (!common::WriteInt32File(path, plat::HandleToLong(GetSafeHwnd()))) {
    const common::Result failed = common::CannotWriteSetting(path);
    plat::MessageBox(failed.text(), failed.caption(), plat::MB_OK);
  }
}

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  WriteHandleFile();
  if (plat::FrameWnd::OnCreate(create) == -1) return -1;
  common::ApplyStoredLook();
  if (!tool_bar_.Create(this)) return -1;
  tool_bar_.SetButtons(EditorToolButtons());
  if (!status_bar_.Create(this)) return -1;
  const plat::UINT panes[kStatusPaneCount] = {plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR,
                                              plat::ID_SEPARATOR};
  if (!status_bar_.SetIndicators(panes)) return -1;
  status_bar_.SetPaneWidth(kCoordinatesPane, 160);
  EnableToolBarCustomization({&tool_bar_}, ids::kCustomize, ids::kCustomizeText);
  return 0;
}

void CMainFrame::OnUpdateFrameTitle(bool) { SetWindowText(GetTitle()); }

void CMainFrame::OnClose() {
  // The close box ends the editor as "&End" does; the view posts WM_QUIT.
  if (EditorSession* s = Session()) WriteEditorSettings(*s);
  if (plat::View* view = GetActiveView()) view->SendMessage(ids::kEndFromFrame, 1);
}

bool CMainFrame::OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) {
  const EditorSession* s = Session();
  if (hit_test == plat::HTCLIENT && s && (s->display.line_pick || s->display.point_pick)) {
    plat::Point point;
    plat::GetCursorPos(&point);
    ScreenToClient(&point);
    plat::Rect area;
    GetClientRect(&area);
    const bool below_top = point.y >= area.top + kPickCursorTop;
    plat::SetCursor(plat::LoadCursor(below_top ? ids::kPickCursor : plat::IDC_ARROW));
    return true;
  }
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  return plat::FrameWnd::OnSetCursor(window, hit_test, message);
}

void CMainFrame::ShowMouseCoordinates() {
  const EditorSession* s = Session();
  if (!s) return;
  const double d = s->model.geometry.drawing_step > 0 ? s->model.geometry.drawing_step : 1;
  char text[128];
  std::snprintf(text, sizeof text, "%.2f  %.2f", s->display.mouse_logical.x / d, s->display.mouse_logical.y / d);
  status_bar_.SetPaneText(kCoordinatesPane, text);
}

plat::LRESULT CMainFrame::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case ids::kMouseCoordinates:
      ShowMouseCoordinates();
      return 0;
    case ids::kPickReset:
      status_bar_.SetPaneText(0, "");
      return 0;
    default:
      return plat::FrameWnd::WindowProc(message, wParam, lParam);
  }
}

}  // namespace pundf
