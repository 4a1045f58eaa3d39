#pragma once
// Storing the current load case: its binary files with the gravity loads and
// the integrated line loads, the diary, the listing D2.TXT with its line in
// FILES, the page counter LASTD, the history TTABLE and the echo text.
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

struct StoreReport {
  // A failure means that nothing was written (and the model is as before).
  common::Result refused = common::Result::Ok();
  // Notes met on the way (a damaged log written anew, a load case of the diary
  // left without an echo entry); the store went on after each.
  std::vector<common::Result> messages;

  bool ok() const { return refused.ok(); }
};

// Stores model.load_case under its number (PL byte 16, 1..99), whole or not at
// all: the load case's own files (SRC_L, SOUTXT, LLOAD, LLTXT, LKNOTENR,
// TEMPELEMENTS, PRESTRESS, PL), then DIARY, D2LOGW, D2LOG, D2.TXT, FILES, LASTD,
// TTABLE and the echo text (with its copy ECHO_L.TXT and TIMELW) are staged,
// and take their places only when every one of them is written. The echo text
// then holds every load case of the diary (EchoOfDiary); while every load case
// is rebuilt (model.rebuilt_echo) only the entry of this one is put in place,
// in the rebuilt text in memory, which the rebuild stages at its end.
//
// Refused, with nothing written and the model as before, when the number lies
// outside 1..99, the diary is full, a load names a node or element the frame
// lacks, the user and gravity line loads exceed 100, or a file cannot be
// written (named). Afterwards PL bytes 4, 14, 30 (and 32 with gravity) hold the
// counts written, the user line loads carry their integrated values, and
// model.diary is the DIARY written.
//
// With model.staged set the files are only staged there: its owner commits
// them (and puts the model back when that fails).
StoreReport StoreLoadCase(LoadModel& model);

// Everything a store relies on, checked before anything is written: the
// refusal StoreLoadCase would give, or success.
common::Result CheckStorable(const LoadModel& model);

}  // namespace pundf
