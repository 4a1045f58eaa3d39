#pragma once
// The rebuild of a position from its echo texts: KELMF "@G" rebuilds the frame
// (it writes GEOMETRY = 1 only when its Store succeeded), then PUNDF "@G" the
// load cases; both waited for with the shell painted.
#include <string>
#include <string_view>

#include "shell/state/shell_state.h"

namespace plat {
class Window;
}

namespace quentaris {

// GEOMETRY of the current position holds 1 (a stored, checked frame).
bool FrameStored(const ShellState& state);

// KELMF "@G" waited for, the settings read again, and when the frame was
// stored PUNDF "@G" waited for. True when the frame was stored; a failed start
// was shown under the program's name.
bool RebuildFromEchoFiles(ShellState& state, plat::Window* owner);

// Makes `name` the current position under the state's data path (name,
// suffix and folder; nothing written).
void SetCurrentPosition(ShellState& state, std::string_view name);

// The geometry echo of the position `name` under `data_path` exists.
bool HasGeometryEcho(const std::string& data_path, std::string_view name);

// "Overwrite the exsisting position %s ?" under "Position exists"; true on Yes.
bool OverwriteConfirmed(std::string_view name);

// The position name of an archived geometry echo's file name ECHO_G.<name>.TXT
// (any case); empty when the name has another form.
std::string ArchiveEchoPositionName(std::string_view file_name);

// The position name of a dropped file: the second point-separated part of an
// echo file's name (title beginning with "e"), else the file's extension.
std::string DroppedFilePositionName(std::string_view path, bool* echo_named);

}  // namespace quentaris
