#include "graphics/picture/picking.h"

#include <algorithm>

namespace revuzavi {
namespace {

constexpr float kElementReach = 0.1f;
constexpr float kNodeBox = 0.2f;

common::SegmentBox SortedBox(float x1, float z1, float x2, float z2) {
  return common::SegmentBox{std::min(x1, x2), std::min(z1, z2), std::max(x1, x2), std::max(z1, z2)};
}

// Whether the range [a1, a2] (either order) lies more than `reach` outside [lo, hi].
bool Apart(float a1, float a2, float lo, float hi, float reach) {
  return hi + reach < std::min(a1, a2) || lo > std::max(a1, a2) + reach;
}

bool Meets(const ViewerState& state, float x1, float z1, float x2, float z2, const common::SegmentBox& box,
           float reach) {
  if (Apart(x1, x2, box.xmin, box.xmax, reach) || Apart(z1, z2, box.zmin, box.zmax, reach)) return false;
  return common::SegmentMeetsBox(x1, z1, x2, z2, box, state.params.tolerance());
}

}  // namespace

PickedElement PickElementsInBox(const ViewerState& state, float x1, float z1, float x2, float z2) {
  const common::SegmentBox box = SortedBox(x1, z1, x2, z2);
  for (int e = 1; e <= state.elements.count(); ++e) {
    const common::ElementRecord& element = state.elements[e];
    if (Meets(state, element.xa(), element.za(), element.xb(), element.zb(), box, kElementReach)) {
      return PickedElement{e, element.xa(), element.za(), element.xb(), element.zb()};
    }
  }
  return PickedElement{};
}

int PickNodeInBox(const ViewerState& state, float x1, float z1, float x2, float z2) {
  const common::SegmentBox box = SortedBox(x1, z1, x2, z2);
  for (int n = 1; n <= state.nodes.count(); ++n) {
    const common::NodeRecord& node = state.nodes[n];
    if (Meets(state, node.x() - kNodeBox, node.z() - kNodeBox, node.x() + kNodeBox, node.z() + kNodeBox, box,
              kNodeBox)) {
      return n;
    }
  }
  return 0;
}

}  // namespace revuzavi
