#pragma once
// The largest frame of the benchmarks: 100 clamped columns of 4 m side by side, 200 nodes, 600
// equations.
#include "Quon/tests/support/frame_builder.h"

namespace bench {

inline zedir::testing::FrameBuilder ClampedColumns() {
  zedir::testing::FrameBuilder frame;
  for (int k = 0; k < 100; ++k) {
    const int foot = frame.AddNode(2.0f * static_cast<float>(k), 0.0f, 1, 1, 1);
    const int head = frame.AddNode(2.0f * static_cast<float>(k), 4.0f);
    frame.AddElement(foot, head);
  }
  return frame;
}

}  // namespace bench
