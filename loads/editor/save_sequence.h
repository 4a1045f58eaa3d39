#pragma once
// Save (Ctrl+S) and End (Escape, the close box, the side mouse button) of the
// load editor.
#include "loads/editor/editor_session.h"
#include "loads/editor/load_case_commands.h"
#include "platform/window/window.h"

namespace pundf {

// The save dialog; on OK (or "OK + End") the load case is stored under the
// number typed, with its title, and the solver started for it. Ends the
// program with 1 after "OK + End", with -1 when the solver cannot start for a
// missing inverse; Stop changes nothing.
Quit SaveLoadCase(EditorSession& session, plat::Window* owner);

// The change test with "Save the input?" (Cancel keeps the editor open), then
// MPUNDW1 written; the program ends with 1.
Quit EndEditor(EditorSession& session, plat::Window* owner);

// MPUNDW1 from the session's settings; a failed write is said.
void WriteEditorSettings(const EditorSession& session);

}  // namespace pundf
