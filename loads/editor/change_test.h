#pragma once
// Whether the load case being edited differs from what was last loaded,
// stored or rebuilt, and the copy it is compared with.
#include "loads/editor/editor_session.h"

namespace pundf {

// True when a byte of PL 1..399 differs from the saved copy, or a dialog's OK
// changed one of the load case's tables since.
bool LoadCaseChanged(const EditorSession& session);

// The saved copy becomes the PL block shown; the tables count as unchanged.
void TakeSavedCopy(EditorSession& session);

// The loads changed: the labels find their places anew.
void LoadsChanged(EditorSession& session);

}  // namespace pundf
