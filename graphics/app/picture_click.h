#pragma once
// What a click in the picture window meets: the client point in the frame
// picture's world as the last drawing mapped it, the element under it, and
// the element plot it asks for.
#include "graphics/app/viewer_session.h"
#include "platform/dc/gdi_types.h"

namespace revuzavi {

// The world point (x, z up) under a client point of the picture last drawn.
WorldPoint ClientToWorld(const ViewerSession& session, plat::Point client);

// The client point of a world point (x, z up) in the picture last drawn.
plat::Point WorldToClient(const ViewerSession& session, WorldPoint world);

// The element within a few pixels of a client point; 0 when none or before the first drawing.
int ElementAtClient(const ViewerSession& session, plat::Point client);

// The plotted function of the result picture shown: displacements, normal forces, moments or
// shear forces; none for any other picture.
PlotFunction PlotFunctionOf(const PictureRequest& request);

}  // namespace revuzavi
