#pragma once
// What every generator does alike: the generated elements replace the element
// table, and the frame's files are written once the model in memory is whole.
#include <span>
#include <string>

#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// A straight piece of a generated frame, from end a to end b, in the user's
// coordinates (x and the vertical z; the records hold y = -z).
struct Segment {
  double xa = 0.0, za = 0.0, xb = 0.0, zb = 0.0;
};

// The segments, in their order, become elements 1..n of `model`: material 1,
// cross section 1, rigid ends, the compression and tension flags 1 of an
// ordinary member, geometry computed, EA and EI filled. Refused, with the model
// unchanged, beyond 100 elements, for an element shorter than the node
// tolerance (its ends would be one node) or outside the range of floats, and
// when material 1 or cross section 1 is missing.
common::Result ReplaceElements(FrameModel& model, std::span<const Segment> segments);

// A refusal of the generator's input: `text` with the caption "Error".
common::Result InputError(const std::string& text);

// A refusal that the editor must notice (a limit, the storey input): sets the
// editor's error flag, then returns `failure`.
common::Result RefuseAndFlag(FrameModel& model, common::Result failure);

// The files of a generated frame whose nodes are numbered: "ELEMENTS",
// "EXTENSIOR" (also kept as the model extents), "NODES", "LKNOTENR", each
// through a ModelFileWriter: the same frame generated again changes nothing;
// another one gives up the stored geometry (GEOMETRY 0, the inverse of the
// former frame removed) before its first file, and is not checked until
// Store. Every file is tried; the first failure is returned.
common::Result WriteGeneratedFrame(FrameModel& model, const common::Position& position);

}  // namespace kelmf
