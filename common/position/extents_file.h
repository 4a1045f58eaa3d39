#pragma once
// The frame's drawing box EXTENSIOR as the geometry input stores it, and the
// drawing step the programs that draw the frame derive from it.
#include "common/position/position.h"
#include "common/records/drawing_extents.h"
#include "common/result.h"

namespace common {

struct FrameExtents {
  DrawingExtents box = DrawingExtents::Default();
  int step = 0;
};

// EXTENSIOR (xmin, zmin, xmax, zmax), or 0, 0, 50, 30 when it is missing, with
// its drawing step; a file shorter than its 16 bytes, or holding a number that
// is not finite, is damaged (the message names it).
Outcome<FrameExtents> ReadExtents(const Position& position);

// The drawing step of a box w = |xmax - xmin| by h = |zmax - zmin|: 100 when w
// or h exceeds 100; else 200, 250, 300, 500, 1000 when both exceed 50, 40, 30,
// 20, 10; 5000 when both are below 3; else 2000.
int DrawingStep(const DrawingExtents& box);

}  // namespace common
