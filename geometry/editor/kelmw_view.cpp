#include "geometry/editor/kelmw_view.h"

#include <cmath>

#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/frame_drawing.h"
#include "geometry/editor/kelmw_doc.h"
#include "platform/clock.h"
#include "platform/frames/frame_wnd.h"
#include "platform/print/print_types.h"
#include "platform/print/printer_dc.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

// The size of the page head's text, tenths of a point.
constexpr int kPositionLineFont = 120;
// Two Escapes within this time end the editor.
constexpr std::int64_t kDoubleEscapeMs = 1000;

}  // namespace

CKELMWView::CKELMWView() {
  MapCommand(ids::kStore, [this] { OnStore(); });
  MapCommand(ids::kPrint, [this] { OnFilePrint(); });
  MapCommand(ids::kEnd, [this] { OnEnd(); });
  MapCommand(ids::kAuxLines, [this] {
    session().view.aux_lines = !session().view.aux_lines;
    Invalidate();
  });
  MapUpdate(ids::kAuxLines, [this](plat::CmdUI& ui) { ui.SetCheck(session().view.aux_lines ? 1 : 0); });
}

EditorSession& CKELMWView::session() { return static_cast<CKELMWDoc*>(GetDocument())->session(); }

void CKELMWView::Finish(std::optional<int> quit_code) {
  if (quit_code) {
    plat::PostQuitMessage(*quit_code);
  } else {
    Invalidate();
  }
}

void CKELMWView::OnStore() { Finish(StoreCommand(session())); }

void CKELMWView::OnEnd() { Finish(EndCommand(session())); }

void CKELMWView::OnDraw(plat::Dc& dc) {
  EditorSession& editor = session();
  if (dc.IsPrinting()) {
    DrawPositionLine(dc, editor.position.name(), editor.model.params.title(), kPositionLineFont);
  }
  plat::Rect client;
  GetClientRect(&client);
  Zeichnen(dc, editor.model, editor.view, editor.pens, DrawAreaOf(dc, client));
  dc.SelectPen(plat::StockPen(plat::NULL_PEN));
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
    case ids::kNothing130:
    case ids::kNothing92:
      return 0;
    default:
      return plat::View::WindowProc(message, wParam, lParam);
  }
}

void CKELMWView::OnXButtonDown(plat::UINT, plat::UINT, plat::Point) { OnEnd(); }

void CKELMWView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  if (vk == plat::VK_ESCAPE) {
    OnEscape();
    return;
  }
  session().view.escape_count = 0;
  plat::View::OnKeyDown(vk, repeat, flags);
}

void CKELMWView::OnEscape() {
  ViewState& view = session().view;
  if (view.zoom_active) {
    view.zoom_active = false;
    Invalidate();
    return;
  }
  const std::int64_t now = plat::ElapsedMilliseconds();
  if (view.escape_count == 1) {
    view.escape_count = 0;
    if (now - view.escape_ms < kDoubleEscapeMs) OnEnd();
    return;
  }
  view.escape_count = 1;
  view.escape_ms = now;
  Invalidate();
}

}  // namespace kelmf
