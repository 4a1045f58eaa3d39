// The picture view's mouse: picks, the pick cursor, the point of the Green's
// function anywhere, a value label dragged to a new place and the rubber band
// of an enlarged section.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "graphics/app/client_mapping.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/label_drag.h"
#include "graphics/app/report.h"
#include "graphics/picture/canvas.h"
#include "graphics/picture/picking.h"
#include "graphics/picture/text.h"
#include "graphics/reanalysis/reanalysis.h"
#include "platform/dc/painter_dc.h"
#include "platform/process.h"
#include "platform/sound/sound.h"
#include "platform/window/cursor.h"

namespace revuzavi {
namespace {

// The pick cursor: a small open square with a cross, made once.
plat::HCURSOR PickCursor() {
  if (plat::HCURSOR made = plat::LoadCursor(CGRAPHView::kPickCursor)) return made;
  plat::Bitmap picture(32, 32, plat::Rgb(255, 255, 255));
  plat::PainterDc dc(picture);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, 1, plat::Rgb(0, 0, 0)});
  dc.MoveTo(16, 2);
  dc.LineTo(16, 31);
  dc.MoveTo(2, 16);
  dc.LineTo(31, 16);
  dc.SelectBrush(plat::Brush::Null());
  dc.Rectangle(plat::Rect{11, 11, 22, 22});
  return plat::CreateCursor(CGRAPHView::kPickCursor, picture, plat::Rgb(255, 255, 255), plat::Point{16, 16});
}

}  // namespace

void CGRAPHView::MapOnClient() {
  plat::Rect client;
  GetClientRect(&client);
  PrepareRequest(client.Width(), client.Height(), false);
}

plat::Point CGRAPHView::ClientPointOf(float x, float z) {
  MapOnClient();
  return WorldToClient(session_.state, session_.view, session_.request, WorldPoint{x, z});
}

WorldBox CGRAPHView::PickBox(plat::Point point) {
  MapOnClient();
  return PickBoxAt(session_.state, session_.view, session_.request, point);
}

bool CGRAPHView::OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) {
  if (modes_.PickCursor() && hit_test == plat::HTCLIENT) {
    plat::SetCursor(PickCursor());
    return true;
  }
  return plat::View::OnSetCursor(window, hit_test, message);
}

void CGRAPHView::OnLButtonDown(plat::UINT flags, plat::Point point) {
  SetFocus();
  const PictureRequest& r = session_.request;
  if ((flags & plat::MK_CONTROL) != 0 || r.green_family_1) {
    PickGreenPoint(point);
    return;
  }
  if (!modes_.PickCursor() && GrabLabel(point)) return;
  if (r.shape_function) {  // a node clicked shows the shape of its first degree of freedom
    const WorldBox box = PickBox(point);
    const int node = PickNodeInBox(session_.state, box.x1, box.y1, box.x2, box.y2);
    if (node != 0 && ShowShapeFunction(session_.state.nodes[node].dof_u())) return;
  }
  if (r.green_family_2) {  // an element clicked becomes the function's element
    const WorldBox box = PickBox(point);
    const PickedElement picked = PickElementsInBox(session_.state, box.x1, box.y1, box.x2, box.y2);
    if (picked.element != 0) {
      (void)ShowElementGreen(picked.element, session_.view.green.kind);
      return;
    }
  }
  // The value pictures take the previous value; in the P mode the supports' picture picks.
  const bool value_picture = r.influence || r.eigenmode || r.green_family_2 || (r.support_green && !modes_.p_mode);
  if (value_picture && StepValuePicture(false)) return;
  if (!modes_.PickCursor()) {  // a result picture with the nodal forces: the element's plot
    MapOnClient();
    if (PostElementPlot(point)) return;
  }
  if (modes_.springs && PickNodeAt(point)) return;
  if (PickElementAt(point)) return;
  if (modes_.PickCursor()) ShowHint(modes_.springs ? kSupportHint : kElementHint);
  // Nothing picked: a rubber band for an enlarged section.
  drag_ = MouseDrag{true, point, point};
  SetCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_CROSS));
  InvertBand(point);
}

void CGRAPHView::InvertBand(plat::Point to) {
  const std::unique_ptr<plat::Dc> dc = GetDC();
  if (!dc) return;
  dc->SetROP2(plat::R2_NOT);
  dc->SelectBrush(plat::Brush::Null());
  dc->Rectangle(plat::Rect{std::min(drag_.start.x, to.x), std::min(drag_.start.y, to.y), std::max(drag_.start.x, to.x),
                           std::max(drag_.start.y, to.y)});
}

bool CGRAPHView::GrabLabel(plat::Point point) {
  MapOnClient();
  const WorldPoint at = ClientToWorld(session_.state, session_.view, session_.request, point);
  const double scale = std::max(1, session_.state.drawing_scale);
  const int b = LabelBoxAt(session_.picture.text_boxes, plat::Point{ToLogical(at.x * scale), ToLogical(at.y * scale)});
  if (b == 0) return false;
  const TextBox& box = session_.picture.text_boxes[b];
  if (LabelTableOf(session_.picture.labels, session_.request, box.kind) == nullptr) return false;
  (void)plat::PlaySound(plat::ProgramFolder() + "U.WAV", plat::SND_FILENAME | plat::SND_ASYNC | plat::SND_NODEFAULT);
  drag_ = MouseDrag{false, point, point, b};
  SetCapture();
  InvertLabel(point);
  return true;
}

WorldPoint CGRAPHView::InvertLabel(plat::Point to) {
  const std::unique_ptr<plat::Dc> dc = GetDC();
  if (!dc) return WorldPoint{};
  MapFrameOn(*dc, session_.state, session_.view, session_.request);
  ViewState plain = session_.view;
  plain.plotter = nullptr;
  Canvas c{session_.state, plain, session_.picture, *dc};
  const double scale = std::max(1, session_.state.drawing_scale);
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint b = ClientToWorld(session_.state, session_.view, session_.request, to);
  return DrawRubberBand(c, session_.picture.text_boxes, ToLogical(b.x * scale), ToLogical(b.y * scale), drag_.label,
                        ToLogical(a.x * scale), ToLogical(a.y * scale));
}

void CGRAPHView::DropLabel(plat::Point point) {
  const int b = drag_.label;
  drag_.label = 0;
  plat::ReleaseCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  if (b < 1 || b > session_.picture.text_boxes.count()) return;
  const TextBox box = session_.picture.text_boxes[b];
  MapOnClient();
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint to = ClientToWorld(session_.state, session_.view, session_.request, point);
  const double scale = std::max(1, session_.state.drawing_scale);
  const WorldPoint drawn{static_cast<float>((box.corners[0].x + box.corners[2].x) / 2.0 / scale),
                         static_cast<float>((box.corners[0].y + box.corners[2].y) / 2.0 / scale)};
  if (LabelPositionTable* table = LabelTableOf(session_.picture.labels, session_.request, box.kind)) {
    (void)MoveLabel(*table, box.tag, drawn, to.x - a.x, to.y - a.y);
  }
  session_.picture.text_boxes.Clear();
  Invalidate();
}

void CGRAPHView::OnMouseMove(plat::UINT flags, plat::Point point) {
  (void)flags;
  if (drag_.label != 0) {
    InvertLabel(drag_.last);
    drag_.last = point;
    InvertLabel(point);
    return;
  }
  if (!drag_.band) {
    ShowCursorStatus(point);
    return;
  }
  InvertBand(drag_.last);
  drag_.last = point;
  InvertBand(point);
}

void CGRAPHView::ShowCursorStatus(plat::Point point) {
  MapOnClient();
  const WorldPoint at = ClientToWorld(session_.state, session_.view, session_.request, point);
  session_.wheel_status = WheelStatusText(controls_.wheel_target);
  char text[64];
  std::snprintf(text, sizeof text, "%.2f  %.2f", static_cast<double>(at.x), static_cast<double>(at.y));
  session_.cursor_status = text;
  ShowModeStatus();
}

void CGRAPHView::OnLButtonUp(plat::UINT flags, plat::Point point) {
  (void)flags;
  if (drag_.label != 0) {
    InvertLabel(drag_.last);
    DropLabel(point);
    return;
  }
  if (!drag_.band) return;
  InvertBand(drag_.last);
  drag_.band = false;
  plat::ReleaseCapture();
  plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  if (std::abs(point.x - drag_.start.x) < kPickPixels || std::abs(point.y - drag_.start.y) < kPickPixels) return;
  MapOnClient();
  const WorldPoint a = ClientToWorld(session_.state, session_.view, session_.request, drag_.start);
  const WorldPoint b = ClientToWorld(session_.state, session_.view, session_.request, point);
  PictureRequest& r = session_.request;
  r.plot_box[0] = a;
  r.plot_box[1] = WorldPoint{b.x, a.y};
  r.plot_box[2] = b;
  r.plot_box[3] = WorldPoint{a.x, b.y};
  r.plot_box_mode = 1;
  session_.picture.labels.ClearResults();  // a label the user placed stays where it is
  Invalidate();
}

void CGRAPHView::PickGreenPoint(plat::Point point) {
  const WorldBox box = PickBox(point);
  const PickedElement picked = PickElementsInBox(session_.state, box.x1, box.y1, box.x2, box.y2);
  if (picked.element == 0) return;
  const WorldPoint at = ClientToWorld(session_.state, session_.view, session_.request, point);
  const int station = StationAlong(picked.xa, picked.za, picked.xb, picked.zb, at.x, at.y);
  if (SetGreenPoint(picked.element, station)) return;
  // Kept for the picture of the Green's function anywhere when it starts.
  GreenPoint& green = session_.view.green;
  green.element = picked.element;
  green.sample = station;
  green.position = static_cast<float>(station * 0.02 * session_.state.elements[picked.element].length());
  Invalidate();
}

}  // namespace revuzavi
