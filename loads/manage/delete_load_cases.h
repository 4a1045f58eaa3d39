#pragma once
// Deleting load cases: the ones the editor's delete dialog marked in LCDEL.
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

// Deletes the diary's load cases that LCDEL<ext> (one int16 per diary entry,
// 0 marks the entry for deletion; entries beyond the file are kept) marks:
// their sections of D2.TXT and entries of the echo text, their numbers in
// D2LOGW and D2LOG (a log left empty is removed), their files
// (RemoveLoadCaseFiles) and their diary entries (the later ones move up).
// DIARY is written and LCDEL removed; model.diary is the diary written.
// Without LCDEL nothing happens. The messages met on the way are returned;
// the deletion goes on after each.
std::vector<common::Result> DeleteLoadCases(LoadModel& model);

// Removes PL, SRC_L, SOUTXT, LLOAD and LLTXT of load case `number`, those that
// exist. TEMPELEMENTS, PRESTRESS and LKNOTENR of the load case stay.
void RemoveLoadCaseFiles(const common::Position& position, int number);

}  // namespace pundf
