#pragma once
// An example position from the installed EXAMPLES, stored and computed by the real programs in the
// test's data folder, and read into a viewer state.
#include <string>

#include "common/position/position.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi::testing {

// The whole file, empty when it is missing.
std::string ReadBytes(const std::string& path);

// The example `name` ("BEAM2", "PORTAL") computed by compute-position.
common::Position ComputedExample(const std::string& name);

// The position read as the viewer starts on load case `load_case` (a failure is a test failure).
ViewerState ViewerOn(const common::Position& position, int load_case);

}  // namespace revuzavi::testing
