#pragma once
// The picture of the frame in the geometry editor (Zeichnen): elements with
// their numbers, node labels and support dots, support and spring symbols,
// hinges, the coordinate symbol and the overall dimensions, the grid and,
// after a check that found a mechanism, the mechanism with its poles.
#include "geometry/editor/view_state.h"
#include "geometry/editor/world_drawing.h"
#include "geometry/editor/world_window.h"
#include "geometry/model/frame_model.h"
#include "platform/dc/dc.h"

namespace kelmf {

// Draws from memory (the model's tables as they stand, unsaved edits
// included). Sets the drawing scale (100 without valid extents, else
// ChooseScale of the extents), the view extents when not zoomed, the world
// window, the mapping and the picking tolerance. Returns false and draws
// nothing when the zoom rectangle is below the view's minimum zoom size or
// the world window cannot be set (its message shown, the former window kept).
bool Zeichnen(plat::Dc& dc, FrameModel& model, ViewState& view, PenSet& pens, const DrawArea& area);

// The drawing area of a client rectangle: 0.9 of it on the screen, 0.8 of
// the page (HORZRES x VERTRES) on a printer.
inline DrawArea DrawAreaOf(const plat::Dc& dc, const plat::Rect& client) { return common::PictureRoomOf(dc, client); }

}  // namespace kelmf
