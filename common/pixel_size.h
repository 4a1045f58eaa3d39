#pragma once
// The size of device pixels in the logical units of a mapping: the symbol
// sizes of the pictures.
#include "platform/dc/mapping.h"

namespace common {

// The largest of `pixels` device pixels along x and along y in logical units.
double PixelsToLogical(const plat::Mapping& mapping, double pixels);

}  // namespace common
