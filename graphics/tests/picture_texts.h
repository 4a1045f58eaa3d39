#pragma once
// The texts of the picture window's picture as the screen shows it, drawn on a recording.
#include <string>
#include <vector>

#include "graphics/app/graph_view.h"

namespace revuzavi::testing {

std::vector<std::string> PictureTexts(CGRAPHView& view);

// One of the texts holds `piece`.
bool PictureShows(CGRAPHView& view, const std::string& piece);

}  // namespace revuzavi::testing
