#pragma once
// The first paint of the process, noted for the start benchmarks (see platform/first_paint_stamp.h).
class QWidget;

namespace plat::detail {

// Called when a widget has painted. The first call of the process writes the stamp file of
// PLAT_FIRST_PAINT, if set, once the event that painted has ended: a window paints all its
// widgets in one go, and the stamp marks the end of it.
void NoteFirstPaint(const QWidget& painted);

}  // namespace plat::detail
