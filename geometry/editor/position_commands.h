#pragma once
// The commands of the geometry editor that name, open or clear the position:
// Store as, New and Open. They ask through the dialogs and boxes and change
// the session; the view sets the title and redraws.
#include <string>

#include "geometry/editor/editor_session.h"
#include "platform/window/window.h"

namespace kelmf {

// The position name of "New".
inline constexpr const char* kNewName = "NEW";

// Whether the frame changed since it was loaded or stored: its FrameParams
// checksum differs, or its tables were edited.
bool FrameChanged(const FrameModel& model);

// Why a typed position name cannot be used ("" when it can): empty, "/",
// "\", "..", or longer than 240 characters.
std::string PositionNameFault(const std::string& name);

// Store as: CDiaSaveAs until a name whose folder (data path + "SDIR" + name)
// exists or is made; then the session's position is that one, the echo
// counts as not found and EXTR holds its suffix. False after Stop.
bool StoreAsCommand(EditorSession& editor, plat::Window* owner);

// New: asks "New frame ? Erase screen?" (unchanged) or "Save changes?"
// (changed; Yes names the position when it is ".NEW", else makes its
// folder, and writes the echo text as End does). Then the frame is cleared
// (materials and cross sections stay), the position becomes ".NEW" and EXTR
// holds it. False when the command ended without clearing.
bool NewCommand(EditorSession& editor, plat::Window* owner);

// Open: a folder dialog "Pfad + Position" for a position folder directly in
// the data path of DPATH (another one: its path under "No directory with a
// position!", and the dialog again); its position is loaded into a fresh
// model, taken only when the load succeeds. False after Cancel or a failed
// load (the frame shown stays).
bool OpenCommand(EditorSession& editor, plat::Window* owner);

// The modes of the view cleared: no graphical input, no polyline, no rubber band.
void ClearEditorModes(ViewState& view);

}  // namespace kelmf
