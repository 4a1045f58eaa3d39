#pragma once
// The rebuild of the nodes after every change of the elements.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// FindNodes, ConnectElementsToNodes and NumberDofs in this order, up to the
// first failure (after which the model may be part-way through).
common::Result FindAndNumberNodes(FrameModel& model);

// FindAndNumberNodes on the model in memory, then
// the supports carried to the new nodes. All or nothing: on failure the model
// is unchanged but for the editor's error flag, which is set.
common::Result RebuildTopology(FrameModel& model);

// "ELEMENTS", "NODES" and "LKNOTENR" as they stand, through a
// ModelFileWriter (a file that comes out as stored is left alone; the first
// that changes gives up the stored geometry); the first failure is returned,
// every file is tried.
common::Result WriteTopologyFiles(const FrameModel& model, const common::Position& position);

// The cross sections RebuildNodes works with: "CROSS", the default section
// when it is missing, the model's when it is damaged; nothing is written.
common::CrossSectionTable CrossSectionsToRead(const FrameModel& model, const common::Position& position);

// Reads "CROSS" into the model (a missing file gets the default cross section,
// written at once; a damaged one is reported and the table stays as it was),
// then RebuildTopology and WriteTopologyFiles. Returns the first failure.
common::Result RebuildNodes(FrameModel& model, const common::Position& position);

}  // namespace kelmf
