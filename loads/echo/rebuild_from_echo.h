#pragma once
// The rebuild of every load case of a position from its load echo text, as the
// load input does it when asked to ("@G") or when the user agrees.
#include <string>
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

// Reads ECHO_L<ext>.TXT and rebuilds and stores every load case
// found in it, in the text's order; each store writes its entry into the echo
// text again. Afterwards TIMELW is an int32 0. The messages to show, in order:
// a text of more than 6000 lines ("... is too large, not all LC have been
// read."), each load case that is not rebuilt, each store's own messages.
//
// Nothing of the master copy is lost: an entry that cannot be rebuilt, and the
// entries beyond the first 6000 lines, are written back into the echo text as
// they stand (and, numbered 1..99, listed in D2LOG, so that a later store
// replaces them). The old echo text stays in place until the new one is written
// whole; it then takes the old one's name. An echo text with no entry at all
// (no "LC" line that reads) is left untouched and nothing is stored: the one
// message is NoLoadCaseMessage. A text with a line of no load case
// (LineOfNoLoadCase: "LC 0", text before the first entry) is named with that
// line and left untouched as well: nothing is rebuilt.
std::vector<common::Result> RebuildAllLoadCases(LoadModel& model);

// "No load case (a line "LC <number>") was found in the file <path>. The file
// stays as it is; no load case was stored." (caption "Error").
common::Result NoLoadCaseMessage(const std::string& path);

}  // namespace pundf
