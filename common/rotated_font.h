#pragma once
// The rotated "ARIAL" font the pictures write their labels with.
#include "platform/dc/dc.h"

namespace common {

// An "ARIAL" font of `size` tenths of a point on this device context, turned by
// `angle` tenths of a degree (escapement and orientation). Its height is
// -round(|h| / 10), h being size x LOGPIXELSY / 72 device pixels converted to
// logical units with the context's extents (origins and world transform do not
// count); width and weight are left to the face. The context is left as it was;
// the caller selects the font.
plat::Font CreateRotatedFont(plat::Dc& dc, int size, int angle);

}  // namespace common
