#pragma once
// The font of printed listings, shared by the shell's printing and the page
// printer: "Courier New" of a size in points on a device of `dpi_y` dots per inch.
#include "platform/dc/gdi_objects.h"

namespace common {

inline plat::Font ListingFont(int points, int dpi_y) {
  plat::Font font;
  font.face = "Courier New";
  font.height = -(points * dpi_y / 72);
  return font;
}

}  // namespace common
