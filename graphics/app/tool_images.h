#pragma once
// The faces of the picture commands on the main window's tool bar: small
// pictures of filled blocks, drawn here, one per command.
#include "platform/dc/bitmap.h"
#include "platform/window/messages.h"

namespace revuzavi {

// The side of a face in pixels.
inline constexpr int kToolImageSide = 16;

// The face of `command` on the tool bar; an empty bitmap for a command without one.
plat::Bitmap ToolImage(plat::UINT command);

}  // namespace revuzavi
