#pragma once
// What every element of a frame must be before its files are written: a
// direction (ends apart) and numbers that fit the floats of ELEMENTS.
#include "common/records/model_tables.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// An element whose ends lie at most this far apart has no direction [m].
inline constexpr double kMinElementLength = 1e-6;

// "Input error: element <n> has no length: both its ends lie at x = .., z = ..."
// (caption "Error") for element `n` from (xa, za) to (xb, zb) when its ends lie
// within kMinElementLength; success otherwise.
common::Result CheckElementLength(int n, double xa, double za, double xb, double zb);
// The first element of the table without a length.
common::Result CheckElementLengths(const common::ElementTable& elements);

// The first element whose record holds a number that is not finite (its
// length, direction terms, EA or EI grew beyond a float) is an input error.
common::Result CheckElementNumbers(const FrameModel& model);

// The elements as they would be written, checked on a copy of the model:
// their lengths, then (geometry and stiffness computed) a material or cross
// section that does not exist, then their numbers.
common::Result CheckElementsToWrite(const FrameModel& model);

}  // namespace kelmf
