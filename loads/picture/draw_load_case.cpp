#include "loads/picture/draw_load_case.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "loads/picture/dimensions.h"
#include "loads/picture/labels.h"
#include "loads/picture/line_loads.h"
#include "loads/picture/other_loads.h"
#include "loads/picture/pens.h"
#include "loads/picture/picture_bounds.h"
#include "loads/picture/picture.h"
#include "loads/picture/point_loads.h"
#include "loads/picture/structure.h"
#include "loads/picture/world_mapping.h"

namespace pundf::picture {
namespace {

// 1 % of the larger side of the extents, in metres.
double SymbolSize(const common::DrawingExtents& e) {
  const double size = 0.01 * std::max(e.xmax() - e.xmin(), e.zmax() - e.zmin());
  return std::isfinite(size) ? size : 0.0;
}

void DrawLoads(Picture& picture) {
  const common::LoadCaseParams& params = picture.load_case().params;
  if (params.gravity_flag() != 0) DrawGravityBands(picture);
  if (params.temperature_flag() != 0) DrawTemperatureLabels(picture);
  if (!picture.load_case().line_loads.empty()) drawLineLoads(picture);
  if (!picture.load_case().point_loads.empty()) drawPointLoads(picture);
  if (params.settlement_flag() != 0) DrawSettlements(picture);
  if (params.prestress_flag() != 0) DrawPrestress(picture);
}

}  // namespace

int PixelUnit(const plat::Dc& dc) {
  const plat::Point far = dc.DPtoLP(plat::Point{3, 3});
  const plat::Point origin = dc.DPtoLP(plat::Point{0, 0});
  return std::max({std::abs(far.x - origin.x), std::abs(far.y - origin.y), 1});
}

bool DrawLoadCase(const LoadModel& model, const PictureView& view, LabelMemory& labels, plat::Dc& dc) {
  labels.placed_rects.clear();
  labels.boxes.clear();
  labels.text_boxes.clear();
  const Geometry& g = model.geometry;
  if (g.drawing_step <= 0) return false;
  const WorldWindow window = view.zoom_box_set ? ZoomBoxWindow(view.zoom_box)
                                               : WindowShowingLoads(model, view, WorldWindowOfExtents(g.extents));
  if (!SetViewMapping(dc, window, g.drawing_step, view.drawing_rect)) return false;

  const int saved = dc.SaveDC();
  dc.SetBkMode(plat::TRANSPARENT);
  Picture picture{dc, model, view, labels, g.drawing_step, PixelUnit(dc), SymbolSize(g.extents),
                  VerticalSign(g.params), {}};
  DrawStructure(picture);
  if (view.node_numbers) DrawNodeNumbers(picture);
  DrawLoads(picture);
  SelectPen(dc, kBlackPen, 0);
  DrawHinges(picture);
  DrawDimensions(picture);
  DrawTexts(picture);
  dc.RestoreDC(saved);
  return true;
}

}  // namespace pundf::picture
