#pragma once
// Writing the load echo text ECHO_L<ext>.TXT, the readable master copy of the
// load cases (layout in load_echo_entries.h).
#include <set>
#include <span>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "loads/model/load_model.h"
#include "platform/text_file.h"

namespace pundf {

// The entry of the current load case under `number`:
//   "LC %i"; "%i %i %i" point loads, user line loads, origin; "TITLE"; the title;
//   GRAVITYLOAD  "%8.3lf  %8.3lf" gamma, covering (when the gravity flag is set)
//   LINELOADS    per load "%i %s" (number, note with '_' for each blank in its
//                first 80 characters) and "%i %i %8.3lf x8 %c" element,
//                whole-element byte, x1 y1 x2 y2 xa xb A B, direction (xa, xb
//                0 for a whole-element load)
//   POINTLOADS   per load "%i %s" and "%s %i %i %8.3lf %8.3lf %c" kind letter
//                (E force, M moment, K kink, V vertical, N horizontal
//                dislocation), node, element, distance, value, direction
//   TEMPERATURE  "%8.3lf" T, "%8.3lf" delta T, "%8.3E" alpha T
//   SETTLEMENT   "%i" count, then "%i %8.5lf %8.5lf %8.5lf" per settled
//                support: its index among the supports, u, v, phi
//   PRESTRESS    "%i" count, then "%i %6.4E" element and force per entry
std::string LoadEchoEntry(const LoadCase& load_case, int number);
std::string LoadEchoEntry(const LoadModel& model, int number);

// Rewrites the echo text through ENEW without the entries of the load cases in
// `numbers`. A missing echo text is left missing. Messages (caption "Error"):
// "Error on reading files ECHO_L and LNEW in LWRITE.C"; "Error on deleting the
// file ECHO_L<ext>.TXT" (the text stays as it was).
common::Result RemoveLoadEchoCases(const common::Position& position, const std::set<int>& numbers);

// Stages the echo text of these lines (each ended by CR LF), synced, with its copy ECHO_L.TXT and
// D2LOG following it.
void StageEchoText(StagedFiles& staged, const common::Position& position, const std::vector<std::string>& lines);

// TIMELW of the position folder as an int32 0: the echo text has been taken
// into account.
// With `staged`, staged there.
common::Result WriteEchoTimeMark(const common::Position& position, StagedFiles* staged = nullptr);

}  // namespace pundf
