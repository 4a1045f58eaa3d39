#pragma once
// One picture of the results viewer composed on a device context: the frame,
// its node labels, the loads of the load case and at most one result diagram,
// as the picture request asks.
#include "graphics/compose/picture_request.h"
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/dc.h"

namespace revuzavi {

// Draws the picture; the request gets the scales used and world 2. Returns 0.
// The result diagrams write their curve files as they draw.
int DrawPicture(ViewerState& state, ViewState& view, PictureState& picture, PictureMemory& memory,
                PictureRequest& request, plat::Dc& dc);

// MEMSCALEGLF1 of the current load case into the request (step of DrawPicture):
// read unless the scales are given, when the load case changed or the request
// marks them unread.
void RefreshRememberedScales(const ViewerState& state, PictureMemory& memory, PictureRequest& request);

}  // namespace revuzavi
