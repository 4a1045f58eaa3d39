#pragma once
// Reading the frame model of the position into the viewer's state.
#include "common/read_outcome.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Reads PARAMR, ELEMENTS, NODES (kept also as the original nodes), LKNOTENR,
// CROSS, MATR, DOFSK and EXTENSIOR, rebuilds the supported degrees of freedom
// and sets the vertical sign and the drawing scale. Every element gets the
// factor -1 at byte 136 and 0 at byte 16. A missing model file is an empty
// table (extents 0, 0, 50, 30).
//
// Missing PARAMR: "No Frame. The file <path> is missing." ends the program with
// exit code 0. A damaged file (a count beyond its table or its records, more
// than 1000 equations, an index outside its table) ends it with exit code -1
// and a message naming the file. The state's model changes only on success.
common::ReadOutcome ReadModelFiles(ViewerState& state);

// The supported degrees of freedom: for each node in order its x, z and
// rotation support whose value is above 0, the rotation being the node's
// supported rotation.
std::vector<SupportDof> SupportDofsOf(const common::NodeTable& nodes);

}  // namespace revuzavi
