#pragma once
// The shell's starts of the suite's programs on the current position: a
// failed start shows the system's text under the program's caption.
#include <string>
#include <vector>

#include "shell/state/shell_state.h"

namespace plat {
class Window;
}

namespace quentaris {

// The command line KELMF and PUNDF take: "." + name and "@" + data path.
std::vector<std::string> PositionArguments(const ShellState& state);

// Starts `program` (a sibling such as "PUNDF") without waiting; false after
// showing the failure under `caption`.
bool StartBeside(const std::string& program, const std::vector<std::string>& args, const std::string& caption);

// Runs KELMF on the position and waits, with `owner` painted and disabled;
// false after showing a failed start under "KELMF.EXE".
bool RunKelmf(const ShellState& state, plat::Window* owner);

// Opens a folder in the desktop's file manager; false after showing the
// failure under "EXPLORER.EXE".
bool OpenExplorer(const std::string& folder);

}  // namespace quentaris
