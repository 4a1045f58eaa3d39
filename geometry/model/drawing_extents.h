#pragma once
// The drawing extents of the model (EXTENSIOR), of the model with the poles of
// a mechanism (EXTENSIOPOLESR), and the drawing scale chosen from them.
#include "common/position/position.h"
#include "common/records/drawing_extents.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// Logical drawing units per metre for extents spanning |xmax - xmin| by
// |zmax - zmin|: 10 when either span exceeds 100 m, else by both spans 20 (> 50),
// 25 (> 40), 30 (> 30), 50 (> 20), 100 (> 10), 500 (both < 3), otherwise 200.
int ChooseScale(const common::DrawingExtents& extents);

// The box of x and z over both ends of every element, grown from xmin = zmin =
// 1e20 and xmax = zmax = -1e20 (what a model without elements gets).
common::DrawingExtents ElementExtents(const FrameModel& model);

// Computes every element's geometry, writes "ELEMENTS" (WriteElements), then
// the element extents to "EXTENSIOR" (a picture's box: it gives up no stored
// geometry), and keeps them as the model extents. Every step runs; the first
// failure is returned.
common::Result WriteDrawingExtents(FrameModel& model, const common::Position& position);

// Reads "EXTENSIOR" into the model and view extents (0, 0, 50, 30 when the file
// is missing or damaged; a damaged file is reported) and chooses the drawing
// scale.
common::Result ReadDrawingExtents(FrameModel& model, const common::Position& position);

// The element extents widened by the poles of the last mechanism (elements
// 1..min(element count, pole count); a pole at infinity has no place to take),
// written to "EXTENSIOPOLESR" and kept as the model extents, so that the
// picture of the poles fits.
common::Result WritePoleExtents(FrameModel& model, const common::Position& position);

}  // namespace kelmf
