#pragma once
// The storey frame from the storey table.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Storey i (model.storeys) stands on level i - 1 and carries level i, the sum
// of the heights of storeys 1..i above ground (z). Its piers stand at
// x = (k - 1) x spacing, k = 1..piers. Elements in this order, storey by
// storey: one column per pier from level i - 1 to level i, then the beams of
// level i between neighbouring positions of the piers of storey i and of the
// storey above it (positions closer than 0.05 m are one), so that the columns
// above stand on the beams. The elements replace the frame, the nodes are
// numbered afresh and the nodes at ground level are held in x and vertically
// (the earlier supports are gone). Writes "ELEMENTS", "EXTENSIOR", "NODES" and
// "LKNOTENR".
// The editor's error flag is cleared first, and set again by a refusal.
// Refused, changing nothing but setting the editor's error flag: more than 20
// storeys ("Too many floors, max = 20"), a storey with more than 50 piers ("Too
// many columns in floor %i, max = 50") or fewer than 2 ("2 piers and more make
// a frame"), a height or spacing below 0.05 m, more than 100 elements generated
// ("Too many elements, max = 100"). An empty storey table generates nothing.
common::Result GenerateStoreyFrame(FrameModel& model, const common::Position& position);

}  // namespace kelmf
