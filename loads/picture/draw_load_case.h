#pragma once
// The load picture: the frame of the position with every load of the load case
// being edited, drawn on a device context for the screen, the printer, a
// picture file or a test's recording.
#include "loads/model/load_model.h"
#include "loads/picture/label_memory.h"
#include "loads/picture/picture_view.h"
#include "platform/dc/dc.h"

namespace pundf::picture {

// Sets the mapping of the world window (the frame's extents, or the zoom box
// when the view sets one) onto the view's drawing rectangle, then draws the
// frame, node numbers, gravity, temperatures, line loads, point loads,
// settlements, prestress, hinges and dimensions. Writes nothing but the label
// memory: the places of labels drawn for the first time, and the label boxes
// and placed texts of this drawing (emptied first, so that every drawing of
// one state is the same). Returns false, having drawn nothing, when the world
// window cannot be mapped. The mapping stays set; the drawing objects selected
// before are selected again.
bool DrawLoadCase(const LoadModel& model, const PictureView& view, LabelMemory& labels, plat::Dc& dc);

// The logical size of 3 device pixels in the context's mapping: the larger of
// the x and y differences of the device points (3, 3) and (0, 0).
int PixelUnit(const plat::Dc& dc);

}  // namespace pundf::picture
