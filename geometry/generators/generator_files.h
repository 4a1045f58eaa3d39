#pragma once
// The files of the generators' input in the position folder: DLT (spans),
// RAHMENDAT (storeys), BOGEN (arc), and the marker GEOMETRY.
#include <cstdint>

#include "common/position/position.h"
#include "common/result.h"
#include "geometry/generators/generator_input.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// DLT (int16 count, then SpanRecords) into the span table, its count to
// FrameParams 698. A missing file gives an empty table; a damaged one is
// reported and leaves the table as it was.
common::Result ReadSpanFile(FrameModel& model, const common::Position& position);
common::Result WriteSpanFile(const FrameModel& model, const common::Position& position);

// RAHMENDAT (int16 count, then StoreyRecords) likewise, its count to 700.
common::Result ReadStoreyFile(FrameModel& model, const common::Position& position);
common::Result WriteStoreyFile(const FrameModel& model, const common::Position& position);

// BOGEN, one ArcInput; the default arc when the file is missing or too short.
ArcInput ReadArcInput(const common::Position& position);
common::Result WriteArcInput(const ArcInput& input, const common::Position& position);

// GEOMETRY, one int32.
common::Result WriteGeometryMarker(std::int32_t value, const common::Position& position);

}  // namespace kelmf
