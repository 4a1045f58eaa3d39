#pragma once
// Reading the frame that the geometry input stored: the load input works on
// it but never writes it.
#include "common/position/position.h"
#include "common/records/drawing_extents.h"
#include "common/result.h"
#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

// Reads PARAMR, ELEMENTS, CROSS, NODES, LKNOTENR and the extents of
// model.position into model.geometry. Missing PARAMR: "No frame, no file %s."
// and the program ends with exit code 0. A damaged file, or a support at a node
// that does not exist: the message names the file and the program ends with
// exit code -1. Other missing files are empty tables. model.geometry changes
// only on success.
ReadOutcome ReadGeometry(LoadModel& model);

struct Extents {
  common::DrawingExtents box = common::DrawingExtents::Default();
  int step = 0;
};

// EXTENSIOR (xmin, zmin, xmax, zmax), or 0, 0, 50, 30 when it is missing, with
// its drawing step; a file shorter than its 16 bytes is damaged.
common::Outcome<Extents> ReadExtents(const common::Position& position);

// The drawing step of a box w = |xmax - xmin| by h = |zmax - zmin|: 100 when w
// or h exceeds 100; else 200, 250, 300, 500, 1000 when both exceed 50, 40, 30,
// 20, 10; 5000 when both are below 3; else 2000.
int DrawingStep(const common::DrawingExtents& box);

}  // namespace pundf
