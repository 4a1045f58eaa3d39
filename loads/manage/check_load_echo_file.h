#pragma once
// Whether a position has a load echo text to read.
#include "common/position/position.h"

namespace pundf {

// True when ECHO_L<ext>.TXT opens. Else, when ECHO_L<ext> (without ".TXT")
// exists and D2.TXT does not, its lines are copied into ACADLOAD<ext> and the
// result is true too. Else false.
bool CheckLoadEchoFile(const common::Position& position);

}  // namespace pundf
