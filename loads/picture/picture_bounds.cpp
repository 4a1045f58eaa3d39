#include "loads/picture/picture_bounds.h"

#include <algorithm>
#include <cmath>

#include "loads/picture/labels.h"
#include "loads/picture/line_loads.h"
#include "loads/picture/picture.h"
#include "loads/picture/point_loads.h"

namespace pundf::picture {
namespace {

void Add(WorldWindow& window, WorldPoint p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.z)) return;
  window.x0 = std::min(window.x0, p.x);
  window.x1 = std::max(window.x1, p.x);
  window.z0 = std::min(window.z0, p.z);
  window.z1 = std::max(window.z1, p.z);
}

// The device point of a world point when `window` is mapped isotropically onto `rect`, z up.
struct DevicePoint {
  double x, y;
};
DevicePoint OnDevice(const WorldWindow& window, const plat::Rect& rect, WorldPoint p) {
  const double k = std::min(rect.Width() / (window.x1 - window.x0), rect.Height() / (window.z1 - window.z0));
  return {0.5 * (rect.left + rect.right) + k * (p.x - window.CentreX()),
          0.5 * (rect.top + rect.bottom) - k * (p.z - window.CentreZ())};
}

}  // namespace

WorldWindow WithLoads(const LoadModel& model, const PictureView& view, WorldWindow window) {
  const Geometry& g = model.geometry;
  const LoadCase& lc = model.load_case;
  const double sign = VerticalSign(g.params);
  for (const common::LineLoadRecord& load : lc.line_loads.used()) {
    for (const WorldPoint& p : LineLoadOutline(load, view, sign)) Add(window, p);
  }
  for (const common::PointLoadRecord& load : lc.point_loads.used()) {
    if (load.kind() != common::PointLoadRecord::kForce || !PointLoadShown(g, load)) continue;
    for (const WorldPoint& p : ForceArrowPoints(view, {load.x(), load.z()}, load.value(), load.force_x(),
                                                load.force_y())) {
      Add(window, p);
    }
  }
  if (lc.params.settlement_flag() != 0) {
    for (const common::NodeRefRecord& s : lc.settlements.used()) {
      if (s.settled() != 0 && IsNode(g, s.node())) Add(window, {g.nodes[s.node()].x(), g.nodes[s.node()].z() - 0.3});
    }
  }
  // The dimension lines with their texts, 2.2 and 3.2 symbol sizes beyond the extents.
  const common::DrawingExtents& e = g.extents;
  const double h = 0.01 * std::max(e.xmax() - e.xmin(), e.zmax() - e.zmin());
  Add(window, {e.xmax() + 3.2 * h, e.zmin() - 3.2 * h});
  return window;
}

WorldWindow WindowShowingLoads(const LoadModel& model, const PictureView& view, const WorldWindow& window) {
  const plat::Rect& area = view.view_rect;
  const plat::Rect& rect = view.drawing_rect;
  if (area.Width() <= 0 || area.Height() <= 0 || rect.Width() <= 0 || rect.Height() <= 0) return window;
  WorldWindow wide = WithLoads(model, view, window);
  // Widened evenly about the frame's middle, which stays the view's middle.
  const double half_x = std::max(window.CentreX() - wide.x0, wide.x1 - window.CentreX());
  const double half_z = std::max(window.CentreZ() - wide.z0, wide.z1 - window.CentreZ());
  wide = WorldWindow{window.CentreX() - half_x, window.CentreZ() - half_z, window.CentreX() + half_x,
                     window.CentreZ() + half_z};
  const double margin = 2.0 * kLeastTextPixels * view.text_size;
  for (const WorldPoint corner : {WorldPoint{wide.x0, wide.z0}, WorldPoint{wide.x1, wide.z1}}) {
    const DevicePoint p = OnDevice(window, rect, corner);
    if (p.x < area.left + margin || p.x > area.right - margin || p.y > area.bottom - margin ||
        p.y < area.top + margin) {
      return wide;
    }
  }
  return window;
}

}  // namespace pundf::picture
