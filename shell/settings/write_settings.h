#pragma once
// The one place each of the shell's position settings is written.
#include "shell/state/shell_state.h"

namespace quentaris {

// EXTR: the 241-byte block of the position's extension (empty without a position).
bool WritePositionSetting(const ShellState& state);
// DPATH: the 241-byte block of the data path.
bool WriteDataPathSetting(const ShellState& state);

}  // namespace quentaris
