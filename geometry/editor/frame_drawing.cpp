#include "geometry/editor/frame_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "geometry/editor/drawing_parts.h"
#include "geometry/model/drawing_extents.h"

namespace kelmf {
namespace {

using drawing::Picture;

// Pixels of the coordinate symbol on the screen; a printer scales them.
constexpr double kAxisX = 35.0;
constexpr double kAxisZ = 25.0;
constexpr double kOriginRadius = 5.0;

bool SameBox(const WorldBox& a, const WorldBox& b) {
  return a.x1 == b.x1 && a.z1 == b.z1 && a.x2 == b.x2 && a.z2 == b.z2;
}

WorldBox BoxOf(const common::DrawingExtents& e) { return WorldBox{e.xmin(), e.zmin(), e.xmax(), e.zmax()}; }

// A filled head at B of the axis from A, `length` logical units long.
void AxisArrow(plat::Dc& dc, plat::Point a, plat::Point b, int head) {
  dc.MoveTo(a.x, a.y);
  dc.LineTo(b.x, b.y);
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double l = std::max(std::hypot(dx, dy), 1.0);
  const double ux = dx / l;
  const double uy = dy / l;
  const plat::Point tip[3] = {
      b,
      {static_cast<int>(b.x - head * ux - head * uy / 2.5), static_cast<int>(b.y - head * uy + head * ux / 2.5)},
      {static_cast<int>(b.x - head * ux + head * uy / 2.5), static_cast<int>(b.y - head * uy - head * ux / 2.5)},
  };
  dc.Polygon(tip);
}

// Screen pixels in device pixels: a printer's are smaller.
double PrinterFactor(const plat::Dc& dc) { return dc.IsPrinting() ? dc.GetDeviceCaps(plat::HORZRES) / 680.0 : 1.0; }

void DrawCoordinateSymbol(Picture& p) {
  plat::Dc& dc = p.canvas.dc;
  const double printer = PrinterFactor(dc);
  const plat::Mapping& m = p.canvas.view.mapping;
  const int ax = static_cast<int>(PixelsToLogical(m, kAxisX * printer));
  const int az = static_cast<int>(PixelsToLogical(m, kAxisZ * printer));
  const int r = static_cast<int>(PixelsToLogical(m, kOriginRadius * printer));
  const int head = static_cast<int>(PixelsToLogical(m, 7.0 * printer));
  const plat::Point o = ToLogical(p.canvas.drawing_scale, 0.0, 0.0);
  dc.SelectPen(p.pens.thin);
  dc.SelectBrush(plat::StockBrush(plat::BLACK_BRUSH));
  AxisArrow(dc, o, {o.x + ax, o.y}, head);
  AxisArrow(dc, o, {o.x, o.y + az}, head);
  dc.SelectBrush(plat::Brush::Null());
  dc.Ellipse(o.x - r, o.y - r, o.x + r, o.y + r);
}

void DrawDimensions(Picture& p, const common::DrawingExtents& e) {
  const double gap = 2.5 * p.label_gap;  // between the frame and its dimension texts
  char text[64];
  std::snprintf(text, sizeof text, "%.2lf", static_cast<double>(e.xmax()) - e.xmin());
  DrawWorldText(p.canvas, text, (double(e.xmin()) + e.xmax()) / 2.0, e.zmin() - gap, 0.0);
  std::snprintf(text, sizeof text, "%.2lf", static_cast<double>(e.zmax()) - e.zmin());
  DrawWorldText(p.canvas, text, e.xmin() - gap, (double(e.zmin()) + e.zmax()) / 2.0, std::numbers::pi / 2.0);
}

void DrawGrid(Picture& p) {
  const double g = p.canvas.view.mesh_width;
  p.canvas.dc.SelectPen(p.pens.light_grey);
  for (int k = 1; k <= 150; ++k) {
    const double x = -4.0 * g + k * g;
    DrawWorldLine(p.canvas, x, -100.0, x, 100.0);
  }
  for (int k = 1; k <= 100; ++k) {
    const double z = -4.0 * g + k * g;
    DrawWorldLine(p.canvas, -100.0, z, 100.0, z);
  }
}

// The extents that the picture shows: the model's (with the poles of a
// mechanism, which the check put there), or the element ends when the model's
// box is empty or inverted.
common::DrawingExtents ShownExtents(const FrameModel& model) {
  const common::DrawingExtents& e = model.extents;
  if (e.xmin() <= e.xmax() && e.zmin() <= e.zmax()) return e;
  return model.elements.count() > 0 ? ElementExtents(model) : common::DrawingExtents::Default();
}

}  // namespace

bool Zeichnen(plat::Dc& dc, FrameModel& model, ViewState& view, PenSet& pens, const DrawArea& area) {
  const common::DrawingExtents extents = ShownExtents(model);
  if (!view.zoom_active) model.editor.view_extents = extents;
  const int scale = view.extents_valid ? ChooseScale(extents) : 100;
  model.editor.drawing_scale = scale;
  const int font_size = std::max(1, static_cast<int>(std::lround(80.0 * view.font_factor)));

  WorldBox corners = view.zoom_active ? view.zoom : BoxOf(model.editor.view_extents);
  if (view.zoom_active) {
    const double w = std::fabs(corners.x2 - corners.x1) * scale;
    const double h = std::fabs(corners.z2 - corners.z1) * scale;
    if (w < 1.0 || h < 1.0) return false;
  }
  view.label_rects.clear();
  // A window that was refused once keeps the former one without asking again.
  const bool refused = view.refused_world && SameBox(*view.refused_world, corners);
  if (refused || !DefineWorldFromCorners(dc, view, area, scale, font_size, corners)) {
    if (!refused) view.refused_world = corners;
    if (!view.world_defined) return false;
    SetUpMapping(dc, view, area, scale, font_size);
  } else {
    view.refused_world.reset();
  }

  Picture picture{WorldCanvas{dc, view, scale, font_size}, pens,
                  0.01 * std::max(std::fabs(double(extents.xmax()) - extents.xmin()),
                                  std::fabs(double(extents.zmax()) - extents.zmin())),
                  std::max(1, static_cast<int>(PixelsToLogical(view.mapping, 5.0))),
                  std::max(1, static_cast<int>(PixelsToLogical(view.mapping, 12.0))),
                  PixelsToLogical(view.mapping, 12.0 * PrinterFactor(dc)) / scale};
  DrawCoordinateSymbol(picture);
  if (view.extents_valid) DrawDimensions(picture, extents);
  view.picking_tolerance = PixelsToLogical(view.mapping, 4.0) / scale;
  if (view.grid_tool || view.aux_lines) DrawGrid(picture);

  drawing::DrawElements(picture, model);
  drawing::DrawNodes(picture, model);
  drawing::DrawSupportSymbols(picture, model);
  drawing::DrawHinges(picture, model);
  drawing::DrawHingeMarks(picture, model);
  if (model.kinematics.found()) drawing::DrawMechanism(picture, model);
  if (model.editor.pictures_drawn < 1000000) ++model.editor.pictures_drawn;
  if (view.marked_point) {
    drawing::FilledCircle(picture, view.marked_point->x, view.marked_point->y, picture.s12,
                          plat::Brush::Solid(plat::Rgb(255, 0, 0)));
  }
  return true;
}

}  // namespace kelmf
