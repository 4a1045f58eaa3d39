#pragma once
// The rebuild of every load case of a position from its load echo text, as the
// load input does it when asked to ("@G") or when the user agrees.
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

// Reads ECHO_L<ext>.TXT, removes it, and rebuilds and stores every load case
// found in it, in the text's order; each store writes its entry into the echo
// text again. Afterwards TIMELW is an int32 0. The messages to show, in order:
// a text of more than 6000 lines ("... is too large, not all LC have been
// read."), each load case that is not rebuilt, each store's own messages.
//
// Nothing of the master copy is lost: an entry that cannot be rebuilt, and the
// entries beyond the first 6000 lines, are written back into the echo text as
// they stand (and, numbered 1..99, listed in D2LOG, so that a later store
// replaces them). A text with a line of no load case (LineOfNoLoadCase: "LC 0",
// text before the first entry) is named with that line and left untouched:
// nothing is rebuilt. An echo text that cannot be removed stops the rebuild before
// anything is written ("Error on deleting the file ECHO_L<ext>.TXT").
std::vector<common::Result> RebuildAllLoadCases(LoadModel& model);

}  // namespace pundf
