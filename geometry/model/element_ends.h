#pragma once
// The two ends of an element, end a first, as the topology walks them.
#include <array>
#include <cstdint>

#include "common/records/element_record.h"

namespace kelmf {

struct ElementEnd {
  float x = 0.0f;
  float y = 0.0f;  // upward
  int node = 0;
  std::int16_t hinge = 0;
};

inline std::array<ElementEnd, 2> EndsOf(const common::ElementRecord& e) {
  return {ElementEnd{e.xa(), e.ya(), e.node_a(), e.hinge_a()}, ElementEnd{e.xb(), e.yb(), e.node_b(), e.hinge_b()}};
}

// A hinged end has its own rotation at the node.
inline bool Hinged(std::int16_t hinge_flag) { return hinge_flag == 1; }

}  // namespace kelmf
