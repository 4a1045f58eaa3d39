// The mouse in the geometry editor's view: picking an element, the zoom
// rectangle, graphical input with its rubber line, the crosshair, the
// coordinates in the status bar and the context menu.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/position/limit_messages.h"
#include "geometry/app/show_messages.h"
#include "geometry/editor/editor_dialogs.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/editor_menus.h"
#include "geometry/editor/graphic_input.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/view_marks.h"
#include "geometry/editor/world_window.h"
#include "geometry/generators/snap.h"
#include "geometry/position/editor_lock.h"
#include "geometry/model/element_checks.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"

namespace kelmf {
namespace {

// A zoom rectangle must be wider or higher than this, in pixels.
constexpr int kMinZoomPixels = 9;

std::string Scientific(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%5.3E", static_cast<double>(v));
  return text;
}

}  // namespace

plat::PointD CKELMWView::ToWorld(plat::Point pixel) {
  return DeviceToWorld(session().view, session().model.editor.drawing_scale, pixel);
}

plat::Point CKELMWView::ToPixel(plat::PointD world) {
  const double d = session().model.editor.drawing_scale;
  const plat::PointD p = session().view.mapping.ToDevice(plat::PointD{world.x * d, world.y * d});
  return plat::Point{plat::RoundCoordinate(p.x), plat::RoundCoordinate(p.y)};
}

void CKELMWView::EraseCrosshair() {
  ViewState& view = session().view;
  if (view.crosshair.x < 0) return;
  if (const auto dc = GetDC()) DrawCrosshair(*dc, view.crosshair);
  view.crosshair = plat::Point{-1, -1};
}

void CKELMWView::EraseRubberLine() {
  ViewState& view = session().view;
  if (!view.rubber_line_drawn) return;
  if (const auto dc = GetDC()) DrawRubberLine(*dc, view.anchor, view.rubber_point);
  view.rubber_line_drawn = false;
}

void CKELMWView::OnLButtonDown(plat::UINT flags, plat::Point point) {
  const ViewState& view = session().view;
  if (view.graphical_input) {
    OnInputClick(point);
  } else if (view.line_state == 0) {
    OnPick(point);
  }
  plat::View::OnLButtonDown(flags, point);
}

void CKELMWView::OnPick(plat::Point point) {
  EditorSession& editor = session();
  const plat::PointD world = ToWorld(point);
  ClickPoint click{static_cast<float>(world.x), static_cast<float>(world.y)};
  const int n = SnapToElementEnd(editor.model, static_cast<float>(editor.view.picking_tolerance), click);
  if (n > 0 && EditElement(n)) {
    editor.view.rubber_band = false;
    return;
  }
  ViewState& view = editor.view;
  EraseCrosshair();
  view.anchor = point;
  view.rubber_point = point;
  view.rubber_band = true;
  view.rectangle_drawn = false;
  if (const auto dc = GetDC()) DrawRubberRectangle(*dc, point, point);
  view.rectangle_drawn = true;
  view.crosshair = plat::Point{-1, -1};
}

bool CKELMWView::EditElement(int n) {
  EditorSession& editor = session();
  FrameModel& model = editor.model;
  common::ElementRecord& e = model.elements[n];
  CDiaModElm dialog(model.materials.count(), model.cross_sections.count(), this);
  dialog.element = std::to_string(n);
  dialog.material = e.material();
  dialog.cross_section = e.cross_section();
  dialog.ei = Scientific(e.ei());
  dialog.ea = Scientific(e.ea());
  dialog.compression = e.compression_flag();
  dialog.tension = e.tension_flag();
  dialog.hinge_l = e.hinge_a();
  dialog.hinge_r = e.hinge_b();
  if (dialog.DoModal() != plat::IDOK) return false;
  if (dialog.delete_requested) {
    bool remove = editor.view.delete_without_asking;
    if (!remove) {
      CDiaVerify verify(this);
      if (verify.DoModal() == plat::IDOK) {
        editor.view.delete_without_asking = verify.do_not_ask_again != 0;
        remove = true;
      }
    }
    if (remove) {
      const common::Result deleted =
          WithEditorLock(editor.position, [&] { return DeleteElement(model, editor.position, n); });
      if (!deleted) ShowMessages({deleted});
    }
  } else {
    e.set_material(static_cast<std::int16_t>(dialog.material));
    e.set_cross_section(static_cast<std::int16_t>(dialog.cross_section));
    e.set_compression_flag(static_cast<std::int16_t>(dialog.compression));
    e.set_tension_flag(static_cast<std::int16_t>(dialog.tension));
    e.set_hinge_a(static_cast<std::int16_t>(dialog.hinge_l));
    e.set_hinge_b(static_cast<std::int16_t>(dialog.hinge_r));
    model.editor.model_changed = true;
  }
  Invalidate();
  return true;
}

void CKELMWView::OnInputClick(plat::Point point) {
  EditorSession& editor = session();
  ViewState& view = editor.view;
  const plat::PointD p = SnapClick(editor.model, view, ToWorld(point));
  view.click_point = p;
  const plat::Point pixel = ToPixel(p);
  const auto dc = GetDC();
  if (view.line_state == 0) {
    view.previous_point = p;
    view.anchor = pixel;
    view.line_state = 1;
    if (view.end_circles && dc) {
      DrawPointMarker(*dc, pixel, static_cast<int>(view.mapping.DeviceLengthX(view.marker_half_size)));
    }
    return;
  }
  if (dc && view.rubber_line_drawn) DrawRubberLine(*dc, view.anchor, view.rubber_point);
  view.rubber_line_drawn = false;
  switch (AddDrawnElement(editor.model, view.previous_point, p)) {
    case DrawnElement::kTableFull:
      view.line_state = 0;
      ShowMessages({common::TooManyElements()});
      return;
    case DrawnElement::kNoLength:
      // The polyline goes on from its last point.
      ShowMessages({CheckElementLength(editor.model.elements.count() + 1, static_cast<float>(view.previous_point.x),
                                       static_cast<float>(view.previous_point.y), static_cast<float>(p.x),
                                       static_cast<float>(p.y))});
      return;
    case DrawnElement::kAdded:
      break;
  }
  view.line_state = 2;
  if (dc) {
    const int half = static_cast<int>(view.mapping.DeviceLengthX(view.marker_half_size)) + 2;
    DrawNewElement(*dc, plat::Pen{plat::PS_SOLID, 2, plat::Rgb(0, 0, 0)}, view.anchor, pixel, half);
  }
  ++view.drawn_count;
  view.previous_point = p;
  view.anchor = pixel;
}

void CKELMWView::OnMouseMove(plat::UINT flags, plat::Point point) {
  ViewState& view = session().view;
  const auto dc = GetDC();
  if (dc && (flags & plat::MK_LBUTTON) && !view.graphical_input && view.rubber_band) {
    if (view.rectangle_drawn) DrawRubberRectangle(*dc, view.anchor, view.rubber_point);
    view.rubber_point = point;
    DrawRubberRectangle(*dc, view.anchor, point);
    view.rectangle_drawn = true;
    plat::View::OnMouseMove(flags, point);
    return;
  }
  if (view.ctrl_held && view.line_state > 0) point = ConstrainOrthogonal(view.anchor, point);
  if (dc) {
    if (view.crosshair.x >= 0) DrawCrosshair(*dc, view.crosshair);
    DrawCrosshair(*dc, point);
    view.crosshair = point;
    if (view.line_state > 0) {
      if (view.rubber_line_drawn) DrawRubberLine(*dc, view.anchor, view.rubber_point);
      view.rubber_point = point;
      DrawRubberLine(*dc, view.anchor, point);
      view.rubber_line_drawn = true;
    }
  }
  if (view.world_defined) {
    const plat::PointD logical =
        view.mapping.ToLogical(plat::PointD{static_cast<double>(point.x), static_cast<double>(point.y)});
    view.mouse_logical = plat::Point{plat::RoundCoordinate(logical.x), plat::RoundCoordinate(logical.y)};
    if (plat::Window* frame = GetParentFrame()) frame->PostMessage(ids::kMouseCoordinates, 1);
  }
  plat::View::OnMouseMove(flags, point);
}

void CKELMWView::OnLButtonUp(plat::UINT flags, plat::Point point) {
  ViewState& view = session().view;
  if (view.rubber_band && view.rectangle_drawn) {
    if (const auto dc = GetDC()) DrawRubberRectangle(*dc, view.anchor, view.rubber_point);
    view.rubber_band = false;
    view.rectangle_drawn = false;
    view.line_state = 0;
    const plat::Point a = view.anchor;
    const plat::Point b = view.rubber_point;
    if (std::abs(b.x - a.x) > kMinZoomPixels || std::abs(b.y - a.y) > kMinZoomPixels) {
      const plat::PointD p = ToWorld(a);
      const plat::PointD q = ToWorld(b);
      view.zoom = WorldBox{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
      view.zoom_active = true;
      Invalidate();
    }
  }
  plat::View::OnLButtonUp(flags, point);
}

void CKELMWView::OnRButtonDown(plat::UINT flags, plat::Point point) {
  ViewState& view = session().view;
  if (view.graphical_input && view.line_state >= 1) {
    view.line_state = 0;
    view.polyline_ended = true;
    EraseRubberLine();
    EraseCrosshair();
  }
  plat::View::OnRButtonDown(flags, point);
}

void CKELMWView::OnRButtonUp(plat::UINT, plat::Point point) {
  ViewState& view = session().view;
  if (view.polyline_ended) {
    view.polyline_ended = false;
    return;
  }
  plat::Point screen = point;
  ClientToScreen(&screen);
  ShowContextMenu(screen);
}

void CKELMWView::OnContextMenu(plat::Window*, plat::Point point) { ShowContextMenu(point); }

void CKELMWView::ShowContextMenu(plat::Point screen) {
  ViewState& view = session().view;
  plat::Point client = screen;
  ScreenToClient(&client);
  plat::Rect area;
  GetClientRect(&area);
  if (!view.graphical_input && client.x >= area.left && client.x < area.right && client.y >= area.top && client.y < area.bottom) {
    view.panel_point = screen;
    EraseCrosshair();
  }
  if (plat::WinApp* app = plat::WinApp::Get()) app->ShowPopupMenu(kEditContextMenuName, screen, this);
}

}  // namespace kelmf
