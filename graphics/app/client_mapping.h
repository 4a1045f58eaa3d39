#pragma once
// Where a point of the picture window's client area lies in the frame's world
// (metres, z up), as the frame picture maps it for the request's window size
// and margins; and back.
#include "graphics/compose/picture_request.h"
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/dc.h"
#include "platform/dc/gdi_types.h"

namespace revuzavi {

// The request's device area of width x height with the margins of the general
// picture factor `factor` (>= 1); a page keeps its top for the head.
void SizeRequest(PictureRequest& request, int width, int height, double factor, bool printing);

// Maps the device context as the frame picture of the request maps the screen.
void MapFrameOn(plat::Dc& dc, const ViewerState& state, const ViewState& view, const PictureRequest& request);

WorldPoint ClientToWorld(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                         plat::Point client);

// Half the side, in pixels, of the box a click picks in.
inline constexpr int kPickPixels = 4;

// The world box of a click's pick box around a client point.
WorldBox PickBoxAt(const ViewerState& state, const ViewState& view, const PictureRequest& request, plat::Point client);
plat::Point WorldToClient(const ViewerState& state, const ViewState& view, const PictureRequest& request,
                          WorldPoint world);

}  // namespace revuzavi
