#pragma once
// The frame and title line of a printed load picture.
#include <string_view>

#include "platform/dc/dc.h"

namespace pundf::picture {

// On the printable page W x H (device units, in MM_TEXT): a frame with margins
// of 2/3383 W and 2/2363 H, moved right by 100/3383 W on a landscape page, a
// line across it at 150/2363 H, and "Pos. <position>  <title>" centred at
// 1650/3383 W, its top at 50/2363 H; in the selected font.
void DrawTitleBlock(plat::Dc& dc, std::string_view position, std::string_view title);

}  // namespace pundf::picture
