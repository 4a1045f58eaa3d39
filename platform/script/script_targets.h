#pragma once
// The windows a script's steps act on: the main frame, the active view, the
// dialog now active and the top-level window a snapshot shows.
#include "platform/dialogs/dialog.h"
#include "platform/frames/frame_wnd.h"

namespace plat::script {

// The program's main frame (the application object's main window, else its
// first shown frame), or nullptr.
FrameWnd* MainFrame();
// The active view: the view of the active frame (an MDI frame's active child),
// else the window with the focus inside that frame; nullptr when there is none.
Window* ActiveView();
// The dialog now active, modal or modeless: the modal one on top, else the
// newest dialog that is shown and enabled; nullptr when none is open.
Dialog* ActiveDialog();
// The active top-level window: the active dialog, else the main frame.
Window* ActiveTopLevel();
// Where keys go now: the window with the focus, else the active view.
Window* KeyTarget();

}  // namespace plat::script
