#pragma once
// Starting the results viewer on the current position.
#include "common/position/position.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// The frame of the position was stored and checked: GEOMETRY holds the int32 1.
bool HasStoredFrame(const common::Position& position);

// Starts REVUZAVI with the position's extension and "@" + data path, without
// waiting. Without a stored frame it shows "Frame data are missing." and
// starts nothing; a start that fails shows the system's text under
// "REVUZAVI.EXE". True when the viewer was started.
bool StartGraphics(const ShellState& state);

}  // namespace quentaris
