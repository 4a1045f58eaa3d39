#pragma once
// The load cases of a position as files: what the load editor writes beside the load echo text.
#include "common/position/position.h"
#include "shell/positions/reset_position.h"

namespace quentaris {

// Deletes every load case of the position: DIARY, the files of load cases 1..99 (PL, SRC_L,
// SOUTXT, LLOAD, LLTXT, LKNOTENR, PRESTRESS, TEMPELEMENTS), the marks that the load echo text was
// read (TIMELW, D2LOG, D2LOGW, LCDEL), its copies (ECHO_L.TXT, the bare ECHO_L<ext> and ACADLOAD<ext>
// made from it) and the listing of the load cases D2 (D2, D2.TXT, D2.PDF) with its lines in FILES.
// The load echo text ECHO_L<ext>.TXT stays: the load editor rebuilds the load cases from it.
// What cannot be deleted or written is added to the report.
void ForgetLoadCases(const common::Position& position, ResetReport& report);

}  // namespace quentaris
