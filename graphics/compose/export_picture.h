#pragma once
// The export command of the result pictures: the picture shown goes to the
// clipboard and to the numbered image G<n>.jpg (or .bmp) in the position
// folder, counted in CLIP and listed in GRAPHICFILES.TXT with its caption.
#include <string>
#include <string_view>

#include "common/result.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/bitmap.h"

namespace revuzavi {

inline constexpr const char* kPictureListFile = "GRAPHICFILES.TXT";

// The caption of a picture from its frame's title: what follows "Position <name>"
// and one further character, else the whole title; leading blanks removed.
std::string PictureCaption(std::string_view frame_title, const std::string& position_name);

// The line of GRAPHICFILES.TXT (without its end): 14 blanks, the file name,
// blanks up to a column (three behind a name of 7 characters, two behind 8,
// one behind 9, four otherwise), the caption.
std::string PictureListLine(const std::string& file_name, const std::string& caption);

// Exports `picture`: clipboard, the picture counter advanced, the image file,
// CLIP and the list line. The file name goes to `last_exported`. A failing
// image or list write is reported; the clipboard copy and the counter stay.
common::Result ExportPicture(ViewerState& state, const plat::Bitmap& picture, std::string_view frame_title,
                             std::string& last_exported);

}  // namespace revuzavi
