#include "geometry/editor/kelmw_view.h"

#include <cmath>

#include "geometry/app/show_messages.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/frame_drawing.h"
#include "geometry/editor/kelmw_doc.h"
#include "geometry/editor/view_marks.h"
#include "geometry/position/store_position.h"
#include "grid/grid_notify.h"
#include "platform/frames/frame_wnd.h"
#include "platform/print/print_types.h"
#include "platform/print/printer_dc.h"
#include "platform/window/system_metrics.h"

namespace kelmf {
namespace {

// The size of the page head's text, tenths of a point.
constexpr int kPositionLineFont = 120;
// Posted by the parabola generator: opens the elements table.

}  // namespace

CKELMWView::CKELMWView() { MapCommands(); }

EditorSession& CKELMWView::session() { return static_cast<CKELMWDoc*>(GetDocument())->session(); }

void CKELMWView::Finish(std::optional<int> quit_code) {
  if (quit_code) {
    plat::PostQuitMessage(*quit_code);
  } else {
    Invalidate();
  }
}

void CKELMWView::OnStore() {
  // A frame that cannot be stored is refused before it is named.
  if (const common::Result frame = CheckFrameToStore(session().model); !frame) {
    ShowMessages({frame});
    return;
  }
  if (session().position.ext() == common::PositionExt("NEW")) {
    OnStoreAs();
  }
  Finish(StoreCommand(session()));
}

void CKELMWView::OnEnd() { Finish(EndCommand(session())); }

int CKELMWView::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::View::OnCreate(create) == -1) return -1;
  ViewState& view = session().view;
  view.mechanism_factor = 1.0;
  view.current_command = ids::kDialogInput;
  {
    const auto dc = GetDC();
    const int ppi = dc ? dc->GetDeviceCaps(plat::LOGPIXELSY) : 96;
    view_font_ = plat::Font{"ARIAL", -(8 * ppi / 72)};
  }
  if (!hint_.Create(plat::WS_CHILD | plat::WS_BORDER | plat::ES_READONLY, plat::Rect{0, 0, 10, 10}, this,
                    kHintEdit)) {
    return -1;
  }
  session().tables.mark_listener = this;
  hint_.SetFont(&view_font_);
  hint_.ShowWindow(plat::SW_HIDE);
  return 0;
}

void CKELMWView::OnDraw(plat::Dc& dc) {
  EditorSession& editor = session();
  if (dc.IsPrinting()) {
    DrawPositionLine(dc, editor.position.name(), editor.model.params.title(), kPositionLineFont);
  }
  plat::Rect client;
  GetClientRect(&client);
  Zeichnen(dc, editor.model, editor.view, editor.pens, DrawAreaOf(dc, client));
  dc.SelectPen(plat::StockPen(plat::NULL_PEN));
  if (dc.IsPrinting()) return;
  // The marks over the picture are drawn again, so that their next drawing takes them away.
  const ViewState& view = editor.view;
  const int saved = dc.SaveDC();
  dc.SetMapMode(plat::MM_TEXT);
  dc.SetWindowOrg(0, 0);
  dc.SetViewportOrg(0, 0);
  if (view.crosshair.x >= 0) DrawCrosshair(dc, view.crosshair);
  if (view.rubber_line_drawn) DrawRubberLine(dc, view.anchor, view.rubber_point);
  if (view.rectangle_drawn) DrawRubberRectangle(dc, view.anchor, view.rubber_point);
  dc.RestoreDC(saved);
}

void CKELMWView::OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) {
  const EditorSession& editor = session();
  double wide = 0.0;
  double high = 0.0;
  if (editor.view.zoom_active) {
    wide = std::fabs(editor.view.zoom.x2 - editor.view.zoom.x1);
    high = std::fabs(editor.view.zoom.z2 - editor.view.zoom.z1);
  } else {
    const common::DrawingExtents& e = editor.model.extents;
    wide = std::fabs(double(e.xmax()) - e.xmin());
    high = std::fabs(double(e.zmax()) - e.zmin());
  }
  dc.SetOrientation(wide > high ? plat::DMORIENT_LANDSCAPE : plat::DMORIENT_PORTRAIT);
  plat::View::OnPrepareDC(dc, info);
}

plat::LRESULT CKELMWView::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case ids::kEndFromFrame:
      OnEnd();
      return 0;
    case ids::kEraseCrosshair:
      EraseCrosshair();
      return 0;
    case panel_ids::kOpenElements:
    case panel_ids::kOpenElementsFromParabola:
      OpenElementsTable();
      return 0;
    case plat::WM_DESTROY:
      elements_table_.reset();
      panel_.reset();
      if (GetDocument() != nullptr) session().tables.mark_listener = nullptr;
      return plat::View::WindowProc(message, wParam, lParam);
    case grid::GridMsgRowsSelected:
      session().view.marked_point = session().tables.marked_point;
      Invalidate();
      return 0;
    case panel_ids::kOpenTitle:
      OnTitle();
      return 0;
    case table_ids::kTableClosed:
      OnTableClosed(wParam);
      return 0;
    case panel_ids::kPanelClosing:
      OnPanelClosing();
      return 0;
    case ids::kNothing130:
    case ids::kNothing92:
      return 0;
    default:
      return plat::View::WindowProc(message, wParam, lParam);
  }
}

void CKELMWView::OnDialogInput() {
  EditorSession& editor = session();
  editor.view.graphical_input = false;
  editor.view.line_state = 0;
  editor.view.rubber_band = true;
  SetInputDefaults(editor.model.params);
  if (editor.model.params.At<std::uint8_t, 680>() != 0) return;
  if (panel_ && panel_->GetSafeHwnd() != nullptr) {
    panel_->ShowWindow(plat::SW_SHOW);
    return;
  }
  panel_ = std::make_unique<CDiaMain>(editor, this);
  panel_->Remember(editor.view.panel_point.value_or(
      plat::Point{plat::GetSystemMetrics(plat::SM_CXFRAME),
                  plat::GetSystemMetrics(plat::SM_CYCAPTION) + plat::GetSystemMetrics(plat::SM_CYFRAME) +
                      plat::GetSystemMetrics(plat::SM_CYMENU) + plat::GetSystemMetrics(plat::SM_CYICON)}));
  panel_->Create(this);
}

void CKELMWView::OpenElementsTable() {
  if (elements_table_ && elements_table_->GetSafeHwnd() != nullptr) {
    elements_table_->ShowWindow(plat::SW_SHOW);
    return;
  }
  EditorSession& editor = session();
  elements_table_ = std::make_unique<CDiaElemente>(editor.model, editor.position, editor.tables, this);
  elements_table_->Create(this);
}

void CKELMWView::OnTableClosed(plat::WPARAM how) {
  elements_table_.reset();
  session().view.status_text.clear();
  if (how == table_ids::kStored && panel_ && panel_->GetSafeHwnd() != nullptr) {
    panel_->PostMessage(panel_ids::kPanelRequest, 1);
  }
  Invalidate();
}

void CKELMWView::OnPanelClosing() {
  panel_.reset();
  session().view.status_text.clear();
}

void CKELMWView::OnXButtonDown(plat::UINT, plat::UINT, plat::Point) { OnEnd(); }

void CKELMWView::OnCaptureChanged(plat::Window* window) {
  Invalidate();
  plat::View::OnCaptureChanged(window);
}

}  // namespace kelmf
