#pragma once
// The rotated fonts the pictures write their labels with.
#include <string>

#include "platform/dc/dc.h"

namespace common {

// What a rotated font is made from. Sizes are tenths of a point.
struct RotatedFontRequest {
  std::string face = "ARIAL";
  int size = 0;    // height
  int width = 0;   // 0: the face's own proportion
  int style = 0;   // bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strike-out
  int angle = 0;   // escapement and orientation, tenths of a degree
  // Pixels per inch from LOGPIXELSX/Y; else from the device's size in pixels
  // and millimetres.
  bool logical_pixels = true;
};

// The font on this device context. Its height is -round(|h| / 10), h being
// size x pixels per inch / 72 device pixels converted to logical units with
// the context's extents (origins and world transform do not count). A width
// w scales the face's average character width by |w'| / |h| (w' converted
// alike). Any size gives a font: a height or width beyond 100000 units is cut
// to it, one that is not a number counts 0 (the face's default). The context
// is left as it was; the caller selects the font.
plat::Font CreateRotatedFont(plat::Dc& dc, const RotatedFontRequest& request);

// An "ARIAL" font of `size` tenths of a point turned by `angle` tenths of a
// degree, LOGPIXELSY pixels per inch; width and weight are left to the face.
plat::Font CreateRotatedFont(plat::Dc& dc, int size, int angle);

}  // namespace common
