#pragma once
// The viewer's reading of PSCALA.
#include "common/result.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// The largest text factor drawn: ten times the texts' own size.
inline constexpr double kLargestTextFactor = 10.0;

// Reads PSCALA into state.print_scales: a text factor below 0.1 is taken as 1,
// one above kLargestTextFactor as that. A factor that is not a finite number
// marks the file as damaged: the message names it and the factor 1 is drawn,
// the file's other bytes kept. A missing file gets the default block, which is
// written. Sets the text scale and the second print factor (1.0).
common::Result ReadPrintScales(ViewerState& state);

// A text factor as the pictures may draw it: within 0.1 .. kLargestTextFactor, 0 (no texts) kept.
float DrawableTextFactor(double factor);

}  // namespace revuzavi
