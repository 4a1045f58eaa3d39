#pragma once
// The commands of the geometry editor that end it: Store and End. They show
// their messages and tell the window whether the program ends, and with which
// exit code; the window posts WM_QUIT with it.
#include <optional>

#include "geometry/editor/editor_session.h"
#include "geometry/position/load_report.h"

namespace kelmf {

// The exit code of a completed Store or End.
inline constexpr int kEditorQuitCode = 1;

// Store: StorePosition and its messages. A completed model check ends the
// program (1); a matrix file that cannot be written ends it (-1). Otherwise
// the editor stays: after a mechanism the extents of elements and poles are
// written and kept, so that the picture shows the poles.
std::optional<int> StoreCommand(EditorSession& editor);

// End: a frame with elements but no nodes gets its nodes first (RebuildNodes);
// a frame with materials, elements and nodes writes its echo text. A frame
// changed since the last completed Store (model files written here) loses its
// inverse: INVERSE, FLEXDIA and FLEXMAX removed and GEOMETRY 0. A write that
// fails is shown and the editor stays (nullopt); otherwise the program ends (1).
std::optional<int> EndCommand(EditorSession& editor);

// The start-up load of the position (LoadPositionFiles); a model rebuilt
// from its echo text, or extents that hold no box, get the extents reset.
LoadReport LoadEditorPosition(EditorSession& editor, bool rebuild_from_echo);

// The extents reset after elements were added: the box of the element ends
// (0, 0, 50, 30 without elements), valid, as model and view extents, and the
// drawing scale chosen for it.
void ResetExtents(EditorSession& editor);

// The new-frame reset (a new frame or another position): the generators'
// tables and counts emptied, the parabola input back to its defaults, the
// extents invalid (the next picture is drawn at scale 100).
void NewFrameReset(EditorSession& editor);

}  // namespace kelmf
