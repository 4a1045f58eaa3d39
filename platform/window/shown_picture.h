#pragma once
// A window's shown picture: the pixels of its client area as the window shows
// them now (what BitBlt from the window's Dc gives), with what was drawn
// outside painting (rubber bands) and its visible child windows. Parts marked
// for painting are painted first. For "copy to the clipboard" and picture
// export; RenderPicture (print/picture.h) draws a picture afresh at any size.
#include "platform/dc/bitmap.h"
#include "platform/window/window.h"

namespace plat {

// Client-sized; empty when the window does not exist.
Bitmap ShownPicture(Window& window);

}  // namespace plat
