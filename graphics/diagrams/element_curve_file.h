#pragma once
// The viewer's curve file of an element: letter + element number + the current
// load case's text in the position folder, 51 single floats, sample 1 first.
#include <string>

#include "graphics/state/viewer_state.h"
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

std::string ElementCurveFileName(const ViewerState& state, char letter, int e);

// Creates the file anew; a file that cannot be created is skipped (false).
bool WriteElementCurveFile(const ViewerState& state, char letter, int e, const mechanics::CurveLine& values);

}  // namespace revuzavi
