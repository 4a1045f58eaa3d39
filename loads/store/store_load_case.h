#pragma once
// Storing the current load case: its binary files with the gravity loads and
// the integrated line loads, the diary, the listing D2.TXT with its line in
// FILES, the page counter LASTD, the history TTABLE and the echo text.
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

struct StoreReport {
  // A failure means that nothing was written.
  common::Result refused = common::Result::Ok();
  // Messages met on the way (a file that could not be written, a damaged log);
  // the store went on after each.
  std::vector<common::Result> messages;

  bool ok() const { return refused.ok(); }
};

// Stores model.load_case under its number (PL byte 16, 1..99). Refused, with
// nothing written, when the number lies outside 1..99, the diary is full, a
// load names a node or element the frame lacks, or the user and gravity line
// loads exceed 100. Afterwards PL bytes 4, 14, 30 (and 32 with gravity) hold
// the counts written, the user line loads carry their integrated values, and
// model.diary is the DIARY written.
StoreReport StoreLoadCase(LoadModel& model);

// Everything a store relies on, checked before anything is written: the
// refusal StoreLoadCase would give, or success.
common::Result CheckStorable(const LoadModel& model);

// The binary files of the load case and DIARY (the first part of a store).
StoreReport WriteLoadCaseFiles(LoadModel& model);

}  // namespace pundf
