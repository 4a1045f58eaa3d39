#pragma once
// The current position and data path from the settings files, and the files
// of the position that the main view shows.
#include "common/result.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// Finds (and creates) the settings folder; reads EXTR and DPATH and derives
// the position folder. A missing EXTR is the position "0"; an empty one means
// no position, and so does a name the name rules refuse (kept in
// state.refused_position for LoadPosition's message). A missing or empty DPATH makes the settings folder the data
// path and is written so.
void ReadSettings(ShellState& state);

// Re-derives the position from the state and reads, for the main view:
// PSCALA (on the first call only), the position's DIARY, PRDB, the
// position list and the frame files of the picture (ReadFrameFiles). A DIARY whose count is out of range is damaged: it reads as
// empty and the result names it; a refused EXTR name is named too.
common::Result LoadPosition(ShellState& state);

// The settings folder that could be neither found nor created, named; Ok
// when it is usable.
common::Result SettingsFolderProblem(const ShellState& state);

// The position's DIARY into state.diary (zero when there is no position or
// no file); a DIARY whose count is out of range is damaged: it reads as zero
// and the result names it.
common::Result ReadDiary(ShellState& state);

}  // namespace quentaris
