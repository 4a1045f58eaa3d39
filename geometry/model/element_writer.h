#pragma once
// The writer of ELEMENTS: every record leaves with its material, cross section
// and stiffness EA, EI filled in.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Material and cross-section number 0 become 1; EA = E x A and EI = E x I from
// the element's material and cross section. A number outside its table is an
// input error: the message names the element, and no record is changed.
common::Result FillElementStiffness(FrameModel& model);

// FillElementStiffness, then "ELEMENTS" (int16 count, records 1..count)
// through a ModelFileWriter. Nothing is written when the stiffness cannot be
// filled.
common::Result WriteElements(FrameModel& model, const common::Position& position);

}  // namespace kelmf
