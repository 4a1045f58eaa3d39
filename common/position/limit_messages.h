#pragma once
// The messages of the model's table limits (caption "Error").
#include "common/result.h"

namespace common {

Result TooManyNodes();          // "Too many nodes, max = 200"
Result TooManyElements();       // "Too many elements, max = 100"
Result TooManyCrossSections();  // "Too many cross sections, max = 50"
Result TooManyMaterials();      // "Too many materials, max = 20"

}  // namespace common
