#pragma once
// Where a point of the picture window's client area lies in the frame's world
// (metres, z up), as the frame picture maps it for the request's window size
// and margins; and back.
#include "graphics/compose/picture_request.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/gdi_types.h"

namespace revuzavi {

WorldPoint ClientToWorld(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                         plat::Point client);
plat::Point WorldToClient(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                          WorldPoint world);

}  // namespace revuzavi
