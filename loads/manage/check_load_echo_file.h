#pragma once
// Whether a position has a load echo text to read.
#include "common/position/position.h"
#include "common/result.h"

namespace pundf {

// True when ECHO_L<ext>.TXT opens. Else, when ECHO_L<ext> (without ".TXT")
// exists and D2.TXT does not, its lines are copied into ACADLOAD<ext> and the
// result is true too. Else false.
bool CheckLoadEchoFile(const common::Position& position);

// Failure when something stands at ECHO_L<ext>.TXT that cannot be read as a
// file (a folder of that name, a file without read permission): "The file
// <path> cannot be read." (caption "Error"). Success when it reads or when
// nothing is there.
common::Result CheckLoadEchoReadable(const common::Position& position);

}  // namespace pundf
