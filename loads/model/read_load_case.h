#pragma once
// Reading one load case of the position into the load input's state.
#include <string>

#include "loads/model/load_model.h"
#include "loads/model/read_outcome.h"

namespace pundf {

// Makes load case `number` (1..99) current: its PL block, point loads with
// notes, user line loads with notes (PL byte 14 becomes the user count, byte
// 30; the gravity loads of the file are left to the next store), and, when its
// flags say so, its temperatures, settlements and prestress. What the load case
// does not have is empty: no temperatures, the geometry's supports unsettled,
// no prestress, empty notes.
//
// Nothing changes unless the whole load case reads: a missing PL, a count
// beyond its table, a damaged file, or a load on a node or element that the
// frame lacks refuses it with a message naming the file. A missing SRC_L or
// LLOAD while loads are counted ends the program (exit code -1).
// The editor clears its pick marks before it calls this.
ReadOutcome ReadLoadCase(LoadModel& model, int number);

// The same into `into` (which changes only on success), for a load case that
// is not made current.
ReadOutcome ReadLoadCaseFiles(const common::Position& position, const Geometry& geometry, int number,
                              LoadCase& into);

// The loads of load case `number` of another position as its files hold them:
// PL, the point loads and the user line loads with their notes, counts checked
// but not compared with a frame. Failures as ReadLoadCase; `into` changes only
// on success.
ReadOutcome ReadStoredLoads(const common::Position& position, int number, LoadCase& into);

// "Read error or the file %s is missing." (caption "Error"); the program ends
// with exit code -1.
ReadOutcome FatalReadError(const std::string& path);

}  // namespace pundf
