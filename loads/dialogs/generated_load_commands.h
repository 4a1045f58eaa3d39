#pragma once
// The commands Lateral load (310) and Snow (312): the magnitude asked for, the
// generated line loads, the load case stored at once.
#include "loads/editor/editor_session.h"
#include "platform/window/window.h"

namespace pundf {

// Stores a load case whose loads were just generated and shows what the store said.
void StoreGenerated(EditorSession& session);

// True when the loads changed (the view repaints).
bool OnLateralLoad(EditorSession& session, plat::Window* owner);
bool OnSnowLoad(EditorSession& session, plat::Window* owner);

}  // namespace pundf
