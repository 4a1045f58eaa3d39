#pragma once
// The commands Lateral load (310) and Snow (312): the magnitude asked for, the
// generated line loads, the load case stored at once.
#include <functional>

#include "loads/editor/editor_session.h"
#include "platform/window/window.h"

namespace pundf {

// The loads of the open load case replaced by `generate` and stored at once,
// under the position's lock; first, when the open load case or the stored one
// of its number holds loads, "Replace load case <n>?" (No changes nothing).
// What the store said is shown; a store that fails leaves the load case in
// memory as it was. True when the loads were stored.
bool StoreGenerated(EditorSession& session, const std::function<void(LoadModel&)>& generate);

// True when the loads changed (the view repaints).
bool OnLateralLoad(EditorSession& session, plat::Window* owner);
bool OnSnowLoad(EditorSession& session, plat::Window* owner);

}  // namespace pundf
