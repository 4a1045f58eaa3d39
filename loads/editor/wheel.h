#pragma once
// The mouse wheel of the load editor's view: zoom, pen width, text size, load
// scale and label offset.
#include "loads/editor/editor_session.h"
#include "loads/picture/picture_view.h"

namespace pundf {

struct WheelKeys {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

// One turn of `delta` (positive away from the user: larger). Alt widens the
// pen by 2 (not from 71 on: then nothing else happens) or narrows it by 1 (not
// below 0: likewise), stores it and goes on; then Ctrl+Shift the text size,
// Shift the load scale (both by 1.1), Ctrl the label offset (by 5, the labels
// placed anew), else the zoom and the global zoom (by 1.2).
// False when nothing changed.
bool TurnWheel(EditorSession& session, WheelKeys keys, int delta);

// The picture's display values of the session for a drawing rectangle.
picture::PictureView PictureViewOf(const EditorSession& session, const plat::Rect& drawing_rect);

}  // namespace pundf
