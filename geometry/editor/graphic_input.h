#pragma once
// The editing rules of the geometry editor's view, without a window: snapping
// a click to element ends and to the grid, the elements drawn by the mouse,
// deleting an element, the Ctrl constraint of the rubber line and the bounds
// of the zoom and size factors.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/editor/view_state.h"
#include "geometry/model/frame_model.h"
#include "platform/dc/gdi_types.h"

namespace kelmf {

// One coordinate snapped to a grid of mesh width `mesh`: with q the grid line
// at or below v, v becomes q when v - q < radius, and q + mesh when
// q + mesh - v < radius (both tested on v; the second wins).
double SnapToGrid(double v, double mesh, double radius);

// A click of graphical input in metres: the nearer end of the element under
// it (SnapToElementEnd with the view's picking tolerance), exactly; else,
// with the grid tool on, each coordinate snapped to the grid; else as it is.
plat::PointD SnapClick(const FrameModel& model, const ViewState& view, plat::PointD click);

// The outcome of an element drawn by the mouse.
enum class DrawnElement { kAdded, kNoLength, kTableFull };

// Appends the element a-b (metres, z up) with material 1, cross section 1,
// compression and tension 1, no hinges, stored y = -z. An element whose ends
// lie within kMinElementLength is not added (kNoLength: CheckElementLength
// names it); a full table adds nothing.
DrawnElement AddDrawnElement(FrameModel& model, plat::PointD a, plat::PointD b);

// Deletes element n (1-based): the later ones move down, then RebuildNodes
// writes the model files (the stored geometry given up before the first).
// The caller holds the position's lock.
common::Result DeleteElement(FrameModel& model, const common::Position& position, int n);

// The mouse point with Ctrl held: on the vertical through the anchor when
// dx^2 <= dy^2, else on its horizontal.
plat::Point ConstrainOrthogonal(plat::Point anchor, plat::Point mouse);

// A zoom or size factor kept within 1e-3 .. 1e3, so that window extents stay
// within their integers.
double BoundFactor(double factor);

}  // namespace kelmf
