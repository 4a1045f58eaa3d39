#pragma once
// An example position from the installed EXAMPLES, computed by compute-position
// in the test's data folder.
#include <string>

#include "common/position/position.h"

namespace quentaris::testing {

// The example `name` ("BEAM2", "PORTAL") stored and computed by the real programs.
common::Position ComputedExample(const std::string& name);

}  // namespace quentaris::testing
