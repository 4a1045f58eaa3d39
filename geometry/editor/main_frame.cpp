#include "geometry/editor/main_frame.h"

#include <cstdio>

#include "common/dialogs/application_looks.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/editor_menus.h"
#include "geometry/editor/kelmw_doc.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"
#include "platform/window/input_state.h"

namespace kelmf {
namespace {

std::string Metres(const char* format, double a, double b = 0.0) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

}  // namespace

CMainFrame::CMainFrame() {
  SetStayMaximised(true);
  common::MapApplicationLooks(*this, ids::kFirstLook, ids::kLastLook);
  MapUpdate(ids::kGraphicalInput, [this](plat::CmdUI& ui) {
    const EditorSession* s = Session();
    ui.SetCheck(s && s->view.graphical_input ? 1 : 0);
  });
  MapUpdate(ids::kGrid, [this](plat::CmdUI& ui) {
    const EditorSession* s = Session();
    ui.SetCheck(s && s->view.grid_tool ? 1 : 0);
  });
}

EditorSession* CMainFrame::Session() {
  auto* doc = dynamic_cast<CKELMWDoc*>(GetActiveDocument());
  return doc ? &doc->session() : nullptr;
}

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::FrameWnd::OnCreate(create) == -1) return -1;
  common::ApplyStoredLook();
  if (!tool_bar_.Create(this)) return -1;
  tool_bar_.SetWindowText("Standard");
  tool_bar_.SetButtons(EditorToolButtons());
  if (!status_bar_.Create(this)) return -1;
  const plat::UINT panes[kStatusPaneCount] = {plat::ID_SEPARATOR, plat::ID_SEPARATOR, plat::ID_SEPARATOR,
                                              plat::ID_SEPARATOR, plat::ID_SEPARATOR};
  if (!status_bar_.SetIndicators(panes)) return -1;
  for (int pane = 1; pane < kStatusPaneCount; ++pane) status_bar_.SetPaneWidth(pane, 140);
  EnableToolBarCustomization({&tool_bar_}, ids::kCustomize, ids::kCustomizeText);
  return 0;
}

void CMainFrame::OnUpdateFrameTitle(bool) { SetWindowText(GetTitle()); }

void CMainFrame::OnClose() {
  // The close box ends the editor as "&End" does; the view posts WM_QUIT.
  if (plat::View* view = GetActiveView()) view->SendMessage(ids::kEndFromFrame, 1);
}

bool CMainFrame::OverPicture(plat::Point client) const {
  plat::Rect area;
  GetClientRect(&area);
  const plat::Rect view = GetViewRect();
  return client.y >= area.top + 50 && client.x <= area.right - 40 && client.x >= view.left && client.y >= view.top &&
         client.x < view.right && client.y < view.bottom;
}

bool CMainFrame::OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) {
  plat::Point point;
  plat::GetCursorPos(&point);
  ScreenToClient(&point);
  if (hit_test == plat::HTCLIENT && OverPicture(point)) {
    plat::SetCursor(plat::LoadCursor(ids::kDrawingCursor));
    return true;
  }
  if (plat::View* view = GetActiveView()) view->PostMessage(ids::kEraseCrosshair);
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  return plat::FrameWnd::OnSetCursor(window, hit_test, message);
}

void CMainFrame::ShowMouseCoordinates() {
  const EditorSession* s = Session();
  if (!s) return;
  const double d = s->model.editor.drawing_scale > 0 ? s->model.editor.drawing_scale : 1;
  status_bar_.SetPaneText(kCoordinatesPane,
                          Metres("%.2f  %.2f", s->view.mouse_logical.x / d, s->view.mouse_logical.y / d));
}

void CMainFrame::ShowCoordinateMessage() {
  const EditorSession* s = Session();
  if (!s) return;
  plat::Beep();
  const double d = s->model.editor.drawing_scale > 0 ? s->model.editor.drawing_scale : 1;
  const double x = s->view.mouse_logical.x / d;
  const double y = s->view.mouse_logical.y / d;
  status_bar_.SetPaneText(1, Metres("XXXXXX %.2f  %.2f", x, y));
  status_bar_.SetPaneText(2, Metres("y = %.2f", y));
}

plat::LRESULT CMainFrame::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case ids::kMouseCoordinates:
      ShowMouseCoordinates();
      return 0;
    case ids::kCoordinateMessage:
      ShowCoordinateMessage();
      return 0;
    case ids::kStatusText:
      if (const EditorSession* s = Session()) status_bar_.SetPaneText(0, s->view.status_text);
      return 0;
    case ids::kQuietMessage:
      return 0;
    default:
      return plat::FrameWnd::WindowProc(message, wParam, lParam);
  }
}

}  // namespace kelmf
