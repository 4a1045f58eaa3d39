#pragma once
// GetStockObject for fonts: the fixed-pitch stock fonts are "Courier New" of
// the system font's pixel size (the application's font; 12 pixels before an
// application object exists).
#include "platform/dc/gdi_objects.h"

namespace plat {

inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int SYSTEM_FIXED_FONT = 16;

// ANSI_FIXED_FONT and SYSTEM_FIXED_FONT; any other index gives the default
// font of a new Dc.
Font StockFont(int index);

}  // namespace plat
