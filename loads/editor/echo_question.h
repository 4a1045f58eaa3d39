#pragma once
// The first drawing's look at the load echo text: when the position has one
// that was not read yet (no TIMELW), the question whether to rebuild every
// load case from it.
#include "loads/editor/editor_session.h"

namespace pundf {

// Once, at the first drawing: "Read load case data from file ECHO_L<ext>.TXT?".
// Yes rebuilds every load case (the messages shown) and takes the saved copy;
// No keeps the text as ECHO_L<ext>.BAK. Either way TIMELW is 0 afterwards.
// True when the load case shown changed.
bool AskForLoadEcho(EditorSession& session);

}  // namespace pundf
