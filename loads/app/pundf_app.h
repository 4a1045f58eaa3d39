#pragma once
// The load input program PUNDF as a whole: its command line and start-up.
#include <string_view>

namespace pundf {

// Runs PUNDF for its joined command line and returns the exit code; every
// message goes through plat::MessageBox.
// - No usable command line, or a suffix or data path over 240 characters:
//   "Command line: .POS @PathDta\ " ("Missing Input"), exit code -1.
// - The start-up (LoadPositionData); a failure that ends the program gives its
//   message and exit code.
// - "@G": when ECHO_L<ext>.TXT is there, every load case is rebuilt from it
//   (RebuildAllLoadCases) and TIMELW written, under the position's lock; the
//   program ends without a window, with exit code 0, or -1 after a message
//   captioned "Error" (a lock that stays busy, an echo text without a load
//   case, a file that cannot be written).
// - Otherwise the program ends after the start-up with exit code 0; PUNDF
//   runs its window (loads/editor/) for such a command line instead.
int RunPundf(std::string_view command_line);

}  // namespace pundf
