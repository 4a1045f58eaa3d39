#pragma once
// The memory of a window's backing image, mapped at once.
#include <QImage>

namespace plat::detail {

// A new RGB32 image of this size, its pixels undefined. A large one (a window's backing image)
// gets its pages mapped at once, in one call: touching 700 fresh pages one by one for its first
// fill cost twice as much, on each window's first paint. The pages go with the image's last copy.
QImage NewRgb32Image(int width, int height);

}  // namespace plat::detail
