#pragma once
// The place of a text or element-plot window beside the picture: the top left
// corner of the main frame's client area, 0.9333 of its width and height.
#include "platform/dc/gdi_types.h"
#include "platform/frames/frame_wnd.h"

namespace revuzavi {

plat::Rect BesidePictureRect(const plat::Rect& main_client);

// Moves a document frame of the main frame there; nothing for another frame.
void PlaceBesidePicture(plat::FrameWnd* frame);

}  // namespace revuzavi
