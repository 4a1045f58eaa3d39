#include "graphics/app/label_drag.h"

#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

// Whether p lies inside the quadrilateral (crossing rule).
bool Inside(const std::array<plat::Point, 4>& q, plat::Point p) {
  bool in = false;
  for (std::size_t i = 0, j = 3; i < 4; j = i++) {
    const double xi = q[i].x, yi = q[i].y, xj = q[j].x, yj = q[j].y;
    if ((yi > p.y) != (yj > p.y) && p.x < (xj - xi) * (p.y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}

}  // namespace

int LabelBoxAt(const TextBoxTable& boxes, plat::Point logical) {
  for (int b = boxes.count(); b >= 1; --b) {  // the one drawn last lies on top
    if (Inside(boxes[b].corners, logical)) return b;
  }
  return 0;
}

LabelPositionTable* LabelTableOf(LabelTables& labels, const PictureRequest& request, int kind_word) {
  if (kind_word == kPointLoadLabelWord) return &labels.point_loads;
  if (kind_word == 4) return &labels.loads;
  if (kind_word == 1) return nullptr;
  if (request.deflection) return &labels.deflection;
  if (request.normal_forces) return &labels.normal_force;
  if (request.moments) return &labels.moment;
  if (request.shear_forces) return &labels.shear;
  return nullptr;
}

bool MoveLabel(LabelPositionTable& table, int tag, WorldPoint drawn, float dx, float dz) {
  if (tag < 1 || tag > kLabelCapacity) return false;
  const LabelPosition at = table.At(tag);
  const WorldPoint from = at.placed != 0 ? WorldPoint{at.x, at.z} : drawn;
  return table.Move(tag, from.x + dx, from.y + dz);
}

}  // namespace revuzavi
