#pragma once
// The element that the editor adds between two points: material 1, cross
// section 1, carrying compression and tension, no hinges.
#include "common/records/element_record.h"

namespace kelmf {

// Ends in the user's coordinates (x, z up); the stored y is -z.
common::ElementRecord OrdinaryElement(float xa, float za, float xb, float zb);

}  // namespace kelmf
