#pragma once
// The continuous beam from the span table.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Element i runs at height 0 from the end of span i - 1 (0 for the first) to
// the end of span i (model.spans). The elements replace the frame; the nodes are
// numbered afresh and every node of the beam is held in x and vertically (the
// earlier supports are gone). Writes "ELEMENTSNODES.TXT", "ELEMENTS",
// "EXTENSIOR", "NODES", "LKNOTENR" and "GEOMETRY" (0, the inverse files deleted: only a Store checks the frame).
// Refused, changing nothing: more than 30 spans ("Too many spans, max = 30",
// the editor's error flag set), a first span end below 0.00001 ("Zero length of
// field 1"), span ends that do not increase, a span shorter than 0.05 m.
// An empty span table generates nothing.
common::Result GenerateBeam(FrameModel& model, const common::Position& position);

}  // namespace kelmf
