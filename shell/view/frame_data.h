#pragma once
// What the shell's main view shows of the current position's frame, read from
// its files by ReadFrameFiles, and the zoom factors of the picture.
#include "common/position/position.h"
#include "common/records/drawing_extents.h"
#include "common/records/frame_params.h"
#include "common/records/model_tables.h"
#include "common/result.h"

namespace quentaris {

struct FrameData {
  bool params_read = false;  // PARAMR was there: the picture is drawn and GRAFIKGO written
  bool damaged = false;      // NODES or ELEMENTS is damaged: no picture is drawn from them
  common::FrameParams params;
  common::NodeTable nodes;
  common::ElementTable elements;
  common::DrawingExtents extents = common::DrawingExtents::Default();
  int units_per_metre = 50;
  bool graphics_requested = false;  // GRAFIKGO was found by the last read
};

// Logical units per metre of a frame drawn in `extents`.
int UnitsPerMetre(const common::DrawingExtents& extents);

struct FrameFilesRead {
  int graphics_marker = 0;  // 1 when GRAFIKGO existed (it is removed)
  common::Result problem;   // a damaged NODES or ELEMENTS, named
};

// Reads PARAMR (without it nothing else is read and the frame is empty),
// ELEMENTS and NODES (when present), EXTENSIOR (defaults when missing) and
// tests and removes GRAFIKGO.
FrameFilesRead ReadFrameFiles(const common::Position& position, FrameData& frame);

// Writes GRAFIKGO: the int32 1.
bool WriteGraphicsMarker(const common::Position& position);

}  // namespace quentaris
