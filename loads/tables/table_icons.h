#pragma once
// The 20 x 20 pictures of a table dialog's save and load buttons, drawn: a
// sheet with an arrow out of it (save) and into it (load).
#include "platform/dc/bitmap.h"

namespace pundf::tables {

plat::Bitmap SaveTableIcon();
plat::Bitmap LoadTableIcon();

}  // namespace pundf::tables
