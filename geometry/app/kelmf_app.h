#pragma once
// The geometry input program KELMF as a whole: its command line and start-up.
#include <string_view>

namespace kelmf {

// Runs KELMF for its joined command line and returns the exit code; every
// message goes through plat::MessageBox.
// - No command line, no "@", an empty suffix or an empty data path:
//   "Command line: .POS @PathData\ " ("Missing input"), exit code -1.
// - The start-up load (LoadPositionFiles; "@G" writes GEOMETRY = 0 first and
//   the model files are rebuilt from the echo text when there is one). Its
//   messages are shown; a position folder that cannot be written ends the
//   program with exit code 0 after its message.
// - Then the program ends with exit code 0: the editor's window is not part of
//   this program yet.
int RunKelmf(std::string_view command_line);

}  // namespace kelmf
