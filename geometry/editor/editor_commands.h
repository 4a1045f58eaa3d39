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

// What End saves, under the position's lock: a frame with materials and
// elements whose nodes no longer fit its elements (an end that names no node
// or lies 0.05 m or more away from it) gets them again (RebuildTopology; NODES
// and LKNOTENR written), then its echo text (WriteEchoFile). Model files are written
// through a ModelFileWriter: one that changes gives up the stored geometry. A
// failure (the lock busy, a node rebuild refused, a write) is returned before
// any echo text of a frame that does not hold together is written, and the
// model stays as it was.
common::Result SaveFrame(EditorSession& editor);

// End: SaveFrame, then the program ends (1). A failure is shown with what was
// not saved and the question "End all the same?": Yes (the default) ends, No
// keeps the editor (nullopt).
std::optional<int> EndCommand(EditorSession& editor);

// The echo command's text: WriteEchoFile into ECHO_G.TMP.TXT of the position
// folder under the position's lock (busy: the failure, nothing written).
common::Result WriteEditedEcho(EditorSession& editor);

// The frame rebuilt from the edited ECHO_G.TMP.TXT (LoadOldData) under the
// position's lock; busy: the failure and a hint that the edited text stays in
// that file, the model and its files as they were.
LoadReport RebuildFromEditedEcho(EditorSession& editor);

// The start-up load of the position (LoadPositionFiles); a model rebuilt
// from its echo text, or extents that hold no box, get the extents reset.
LoadReport LoadEditorPosition(EditorSession& editor);

// The extents reset after elements were added: the box of the element ends
// (0, 0, 50, 30 without elements), valid, as model and view extents, and the
// drawing scale chosen for it.
void ResetExtents(EditorSession& editor);

// The new-frame reset (a new frame or another position): the generators'
// tables and counts emptied, the parabola input back to its defaults, the
// extents invalid (the next picture is drawn at scale 100).
void NewFrameReset(EditorSession& editor);

}  // namespace kelmf
